/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

class QWidget;

namespace kanjiaid::ui {

// Layouts are drawn in twips, 15 to a pixel at 96 dpi, rounded to the nearest
// pixel.
[[nodiscard]] constexpr int twipsToPixels(int twips) noexcept
{
    return (twips * 2 + 15) / 30;
}

[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height) noexcept
{
    return { twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height) };
}

// The background both windows share, in place of the desktop colour. Black
// text on it has a contrast ratio of 12.3:1.
[[nodiscard]] QColor windowBackground();

// Gives a window its background and the default interface font.
void styleWindow(QWidget *window);

// Paints a label's background in the colour, or lets the window show through
// when the colour is invalid.
void setLabelBackground(QLabel *label, const QColor &colour);

// Creates a plain-text label; captions wrap at word boundaries.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption,
    const QRect &geometry, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);

// A push button whose caption wraps at word boundaries inside its fixed
// rectangle, as QPushButton itself never wraps; text() stays the caption.
class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    WrappingButton(const QString &caption, QWidget *parent);

    // The rectangle the caption is drawn in.
    [[nodiscard]] QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

WrappingButton *makeButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);

// A label that shows a value (a record's field, a character of the
// expression, an answer) under a fixed accessible name. Assistive technology
// reads what it shows through its text, nothing while it is hidden, and
// hears each change made through setValue(). QLabel's setText() and clear()
// are not virtual and announce nothing: on a ValueLabel they do not compile,
// and nothing may reach them through a QLabel pointer.
class ValueLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ValueLabel(QWidget *parent = nullptr);

    // Shows the value, and tells assistive technology when what it shows
    // changes. An empty value clears the label.
    void setValue(const QString &value);

    void setText(const QString &text) = delete;
    void clear() = delete;

    // What a person sees: the text, or nothing while the label is hidden.
    [[nodiscard]] QString shownText() const;
};

// An empty plain-text value label; values wrap at word boundaries.
ValueLabel *makeValueLabel(
    QWidget *parent, const QString &name, const QString &accessibleName, const QRect &geometry);

// A value label that reports left-button clicks, and offers assistive
// technology a press action that does the same.
class ClickableLabel : public ValueLabel
{
    Q_OBJECT

public:
    using ValueLabel::ValueLabel;

    // Does what a left click does.
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace kanjiaid::ui
