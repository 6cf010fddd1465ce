// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/result_notice.h"

#include "ui/captions.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// The value lets the notice send value changes without the Linux bridge warning that its
// source has no value; it is only said, never stepped, so it offers no actions.
class AccessibleNotice : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleNotice(QWidget *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override { return {}; }
    QVariant currentValue() const override { return widget()->accessibleName(); }
    void setCurrentValue(const QVariant &) override { }
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }
};

} // namespace

ResultNotice::ResultNotice(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("resultNotice"));
    setFixedSize(0, 0);
    // Hidden until the first result, so nothing is spoken at start.
    hide();
}

void ResultNotice::announce(const QString &result)
{
    const QString words = captions::resultFieldName() + u' ' + result;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Made for this: AT-SPI's Announcement signal for Orca, a UI Automation notification for
    // NVDA and Narrator. Showing the notice as well would make Orca say each result twice.
    QAccessibleAnnouncementEvent announcement(this, words);
    QAccessible::updateAccessibility(&announcement);
#else
    hide();
    setAccessibleName(words);
    show();
    // Orca hears the showing. Qt's Windows bridge drops it, but raises a value change that
    // carries text as a UI Automation notification, which NVDA and Narrator speak.
    QAccessibleValueChangeEvent change(this, words);
    QAccessible::updateAccessibility(&change);
#endif
}

QAccessibleInterface *ResultNotice::accessible(ResultNotice *notice)
{
    return new AccessibleNotice(notice);
}
