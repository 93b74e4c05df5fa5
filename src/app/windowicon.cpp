/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "app/windowicon.h"

#include <QIconEngine>

#include <array>

namespace kanjiaid {

namespace {

constexpr std::array IconSizes = { 32, 64 };

class DeferredIconEngine final : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        pictures().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pictures().pixmap(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return pictures().availableSizes(mode, state);
    }

    [[nodiscard]] QIconEngine *clone() const override { return new DeferredIconEngine; }
    [[nodiscard]] QString key() const override { return QStringLiteral("kanjiaid-window-icon"); }

private:
    const QIcon &pictures()
    {
        if (m_pictures.isNull()) {
            for (const int size : IconSizes) {
                m_pictures.addFile(
                    QStringLiteral(":/kanjiaid/icon-%1.png").arg(size), QSize(size, size));
            }
        }
        return m_pictures;
    }

    QIcon m_pictures;
};

} // namespace

QIcon windowIcon()
{
    return QIcon(new DeferredIconEngine); // the icon owns its engine
}

} // namespace kanjiaid
