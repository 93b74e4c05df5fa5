/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

// The yardstick for start-up: a QApplication and an empty 480 x 455 window
// that ends the program as soon as it has painted once.
//   kanjiaid_emptywindow          the empty window
//   kanjiaid_emptywindow --label  the same with one line of text, which is
//                                 what first brings up the font database
#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace {

class EmptyWindow : public QWidget
{
protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QCoreApplication::exit(0); // leaves the loop once this event is done
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const QApplication app(argc, argv);
    EmptyWindow window;
    window.resize(480, 455);
    if (QApplication::arguments().contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("English-Japanese Kanji Dictionary"), &window))->move(10, 10);
    window.show();
    return QApplication::exec();
}
