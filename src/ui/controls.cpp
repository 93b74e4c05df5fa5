/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "ui/controls.h"

#include "ui/fonts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace kanjiaid::ui {

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

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace kanjiaid::ui
