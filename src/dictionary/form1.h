/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include "dictionary/recordreply.h"

#include <QColor>
#include <QMainWindow>
#include <QString>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kanjiaid {

namespace ui {
class ValueLabel;
}

// The dictionary window: look up a word in either direction, browse the
// records, toggle the details, read the help text, exit.
//
// It knows nothing of the expression window; it asks for it, and announces
// the end of the program, through its signals.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window and runs its load handler, which also fills the
    // process-wide record table. Message and input boxes carry the title.
    explicit Form1(const QString &applicationTitle, QWidget *parent = nullptr);

    [[nodiscard]] bool englishToJapanese() const { return EnglishToJapanese; }
    [[nodiscard]] bool indonesianShown() const { return IndonesianShown; }
    [[nodiscard]] qint16 detailsShown() const { return DetailsShown; }
    [[nodiscard]] qint16 currentRecord() const { return CurrentRecord; }

    // The colour the window and its labels are painted in.
    [[nodiscard]] QColor backgroundColour() const;

    void Command1_Click(); // Exit
    void Command2_Click(); // Search for the word
    void Command3_Click(); // Hear the kunyomi sound
    void Command4_Click(); // Show/hide Onyomi, Kunyomi, Example
    void Command5_Click(); // English to Japanese
    void Command6_Click(); // Japanese to English
    void Command7_Click(); // Browse Up
    void Command8_Click(); // Browse Down
    void Command9_Click(); // Show/hide the word in Indonesian
    void Command10_Click(); // Check Expression
    void Help_Click();

Q_SIGNALS:
    void expressionWindowRequested();
    // Emitted before the window closes for good, so the other window can go too.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void clearRecordLabels();
    // The fields both directions show alike: kanji, onyomi, example,
    // Indonesian word, record number and level.
    void showFieldsOf(int row);
    // A record in the English-to-Japanese layout, as browsing shows it.
    void showRecord(int row);
    void askForRecord(const QString &prompt, BrowseEnd end);
    void showMessage(const QString &text);

    QString m_title;

    bool EnglishToJapanese = true;
    bool IndonesianShown = false;
    qint16 DetailsShown = 0; // 0 false, -1 true
    qint16 CurrentRecord = 0;

    ui::ValueLabel *Label1 = nullptr;
    ui::ValueLabel *Label2 = nullptr;
    ui::ValueLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    ui::ValueLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    ui::ValueLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    ui::ValueLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    ui::ValueLabel *Label18 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command10 = nullptr;
    QLineEdit *Text1 = nullptr;
    QAction *Help = nullptr;
};

} // namespace kanjiaid
