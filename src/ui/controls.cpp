/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/controls.h"

#include "ui/fonts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace kanjiaid::ui {

namespace {

// A browser's screen reader learns of an object only its role and its name,
// all Qt's browser platform passes on: there the name carries the value
// after the fixed name ("Kanji: 明"), and a label that can be pressed is a
// button, which the browser lets a screen reader press.
#ifdef Q_OS_WASM
constexpr bool namesItsValue = true;
#else
constexpr bool namesItsValue = false;
#endif

// Qt's own interface for a label offers its text only as the name, which a
// value label keeps fixed; this one keeps the name and offers the text.
//
// A browser's screen reader learns of an object only its role and its name,
// all Qt's browser platform passes on: there the name carries the value
// after the fixed name ("Kanji: 明"), and a label that can be pressed is a
// button, which the browser lets a screen reader press.
class AccessibleValueLabel : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleValueLabel(ValueLabel *label)
        : QAccessibleWidget(label, roleOf(label))
    { }

    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        if (kind != QAccessible::Name || !namesItsValue || shown().isEmpty())
            return text;
        //: How a screen reader in a browser reads a value label: its name, then what it shows
        return QCoreApplication::translate("kanjiaid::ui::ValueLabel", "%1: %2").arg(text, shown());
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using QAccessibleWidget::text;

    // Read-only text with no caret, selection or attributes; offsets count
    // UTF-16 units, as Qt's other text interfaces do.
    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override { }
    int selectionCount() const override { return 0; }
    void selection(int /*selectionIndex*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override { }
    void removeSelection(int /*selectionIndex*/) override { }
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override { }
    QString attributes(int /*offset*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    // Where each character stands is not reported.
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint & /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override { }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (qobject_cast<const ClickableLabel *>(object()) != nullptr)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &actionName) override
    {
        auto *clickable = qobject_cast<ClickableLabel *>(object());
        if (clickable != nullptr && actionName == pressAction())
            clickable->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    [[nodiscard]] static QAccessible::Role roleOf(const ValueLabel *label)
    {
        const bool pressable = qobject_cast<const ClickableLabel *>(label) != nullptr;
        return pressable && namesItsValue ? QAccessible::Button : QAccessible::StaticText;
    }

    [[nodiscard]] QString shown() const
    {
        return static_cast<const ValueLabel *>(object())->shownText();
    }
};

// Asked for each class name of an object, the most derived first.
QAccessibleInterface *valueLabelInterface(const QString & /*className*/, QObject *object)
{
    if (auto *label = qobject_cast<ValueLabel *>(object))
        return new AccessibleValueLabel(label);
    return nullptr;
}

} // namespace

QColor windowBackground()
{
    return { 0xA6, 0xCA, 0xF0 };
}

void styleWindow(QWidget *window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, windowBackground());
    palette.setColor(QPalette::WindowText, Qt::black);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    window->setFont(interfaceFont());
}

void setLabelBackground(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(colour.isValid());
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption,
    const QRect &geometry, Qt::Alignment alignment)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    // Captions come from records and from pasted text: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

WrappingButton::WrappingButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{ }

QRect WrappingButton::captionRect() const
{
    return rect().adjusted(2, 1, -2, -1);
}

void WrappingButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    style()->drawItemText(&painter, captionRect(), Qt::AlignCenter | Qt::TextWordWrap, palette(),
        isEnabled(), text(), QPalette::ButtonText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

WrappingButton *makeButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new WrappingButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    return button;
}

ValueLabel::ValueLabel(QWidget *parent)
    : QLabel(parent)
{
    // Asked about this class's name, the factory is found before Qt's own,
    // whenever it was installed.
    static const bool installed = (QAccessible::installFactory(&valueLabelInterface), true);
    Q_UNUSED(installed)
}

QString ValueLabel::shownText() const
{
    return isVisibleTo(window()) ? text() : QString();
}

void ValueLabel::setValue(const QString &value)
{
    const QString before = shownText();
    QLabel::setText(value);
    // Qt passes the event on only while assistive technology listens.
    if (shownText() != before) {
        QAccessibleTextUpdateEvent event(this, 0, before, shownText());
        QAccessible::updateAccessibility(&event);
        if constexpr (namesItsValue) {
            QAccessibleEvent renamed(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
}

ValueLabel *makeValueLabel(
    QWidget *parent, const QString &name, const QString &accessibleName, const QRect &geometry)
{
    auto *label = new ValueLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    // Values come from records and from pasted text: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

void ClickableLabel::click()
{
    Q_EMIT clicked();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
    QLabel::mouseReleaseEvent(event);
}

} // namespace kanjiaid::ui
