/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kanjiaid {

namespace ui {
class ClickableLabel;
class ValueLabel;
} // namespace ui

// The expression window: lays a Japanese expression out character by
// character and looks up a clicked kanji; conjugates a romaji verb.
//
// It asks for the dictionary window through mainWindowRequested(), both from
// "Back to Main" and from its close box, and knows nothing else of it.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int GridSize = 60;

    // dictionaryBackground is the colour a label returns to when its
    // highlight is taken away.
    Form2(const QString &applicationTitle, const QColor &dictionaryBackground,
        QWidget *parent = nullptr);

    [[nodiscard]] qint16 exprLimit() const { return ExprLimit; }
    [[nodiscard]] qint16 selectedIndex() const { return SelectedIndex; }
    [[nodiscard]] const QString &exprChar(int index) const;

    void Command1_Click(); // RUN and click on any kanji below:
    void Command3_Click(); // or Paste from other source
    void Command4_Click(); // RUN (conjugator)
    void Command5_Click(); // Back to Main
    void Label2_Click(qint16 Index);

Q_SIGNALS:
    void mainWindowRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createAnalyserControls();
    void createConjugatorControls();
    void Form_Load();

    QString m_title;
    QColor m_dictionaryBackground;

    // Entry i holds character i of the expression laid out last (1 to 60).
    std::array<QString, 101> ExprChars;
    qint16 ExprLimit = 0;
    qint16 SelectedIndex = 0;

    ui::ValueLabel *Label1 = nullptr;
    std::array<ui::ClickableLabel *, GridSize> Label2 {};
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    std::array<ui::ValueLabel *, 10> resultLabels {}; // Label5 … Label14
    QLabel *Label15 = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QGroupBox *Frame1 = nullptr;
    std::array<QCheckBox *, 10> checks {}; // Check1 … Check10
};

} // namespace kanjiaid
