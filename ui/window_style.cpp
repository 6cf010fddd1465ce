#include "ui/window_style.h"

#include <QStringList>

namespace window_style {

QFont arial(qreal pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Amiri")});
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

} // namespace window_style
