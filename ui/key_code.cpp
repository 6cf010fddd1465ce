#include "ui/key_code.h"

#include <QKeyEvent>

std::optional<short> keyCodeOf(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.isEmpty() || event.key() == Qt::Key_Delete)
        return std::nullopt;
    char16_t code = text.front().unicode();
    // X11 already folds Ctrl+letter into a control character; synthetic events keep the letter.
    if (event.modifiers().testFlag(Qt::ControlModifier) && code >= u'@' && code <= u'z'
        && (code <= u'_' || code >= u'a'))
        code &= 0x1F;
    return static_cast<short>(code);
}
