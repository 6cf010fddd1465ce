#include "ui/picture_label.h"

#include "ui/picture_pixmap.h"

#include "resources/pictures.h"

#include <QPainter>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace {

// The full picture is read only at other scales. A page fault maps the pages around it as well,
// which would pull much of the picture in beside the placed copy's pages; marking its own
// pages as read at random gives them a mapping of their own, out of their neighbours' reach.
void keepOutOfFaultAround(const Pixels &picture)
{
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto begin = (std::uintptr_t(picture.words) + page - 1) / page * page;
    const auto end = (std::uintptr_t(picture.words + picture.width * picture.height)) / page * page;
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_RANDOM);
}

} // namespace

PictureLabel::PictureLabel(const Pixels &picture, const Pixels &placed, QWidget *parent)
    : QLabel(parent), m_placed(pixmapOf(placed))
{
    keepOutOfFaultAround(picture);
    setScaledContents(true);
    setPixmap(pixmapOf(picture));
}

void PictureLabel::paintEvent(QPaintEvent *event)
{
    const QRect place = contentsRect();
    if (devicePixelRatio() != 1 || place.size() != m_placed.size() || !isEnabled()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter(this).drawPixmap(place.topLeft(), m_placed);
}
