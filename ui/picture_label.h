#pragma once

#include <QLabel>

struct Pixels;

// A picture stretched over its place. At one device pixel a pixel it draws the copy scaled to
// that place when the program was built, the very pixels QLabel would make: nothing is scaled
// at start and the full picture is never read. Any other scale, size or state is QLabel's.
class PictureLabel : public QLabel
{
    Q_OBJECT

public:
    PictureLabel(const Pixels &picture, const Pixels &placed, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_placed;
};
