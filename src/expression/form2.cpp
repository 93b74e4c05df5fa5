/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "expression/form2.h"

#include "expression/conjugator.h"
#include "expression/expressionlayout.h"
#include "store/kanjitable.h"
#include "ui/clipboard.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace kanjiaid {

using ui::twipsRect;

namespace {

constexpr int ClientWidth = 541; // 8115 twips
constexpr int ClientHeight = 491; // 7365 twips

// The character grid: four rows of fifteen, in reading order. The fourteenth
// column is narrower than the others.
constexpr std::array<int, 4> GridRowTops = { 2160, 2760, 3240, 3720 };
constexpr std::array<int, 15> GridColumnLefts
    = { 240, 720, 1200, 1680, 2160, 2520, 3000, 3480, 3960, 4440, 4920, 5400, 5880, 6360, 6720 };
constexpr int NarrowColumn = 13;

struct FormRow
{
    int top;
    const char *caption;
    int boxWidth;
    int labelWidth;
    int labelHeight;
};

// One row per verb form, top to bottom, inside the frame. The captions are
// the check boxes' own, translated as the window builds them.
constexpr std::array<FormRow, VerbFormCount> FormRows = { {
    { 360, QT_TRANSLATE_NOOP("kanjiaid::Form2", "dictionary-form:"), 1575, 1215, 255 },
    { 720, QT_TRANSLATE_NOOP("kanjiaid::Form2", "masu-form:"), 1335, 1215, 255 },
    { 960, QT_TRANSLATE_NOOP("kanjiaid::Form2", "ta-form:"), 1095, 1212, 252 },
    { 1200, QT_TRANSLATE_NOOP("kanjiaid::Form2", "te-form:"), 1215, 1212, 252 },
    { 1440, QT_TRANSLATE_NOOP("kanjiaid::Form2", "Imperative form:"), 1815, 1212, 252 },
    { 1680, QT_TRANSLATE_NOOP("kanjiaid::Form2", "Conditional-form:"), 1815, 1212, 252 },
    { 1920, QT_TRANSLATE_NOOP("kanjiaid::Form2", "Volitional form:"), 1455, 1212, 252 },
    { 2160, QT_TRANSLATE_NOOP("kanjiaid::Form2", "nai-form:"), 1335, 1212, 252 },
    { 2400, QT_TRANSLATE_NOOP("kanjiaid::Form2", "Passive-form:"), 1695, 1212, 252 },
    { 2640, QT_TRANSLATE_NOOP("kanjiaid::Form2", "Causative-form:"), 1695, 1212, 252 },
} };

} // namespace

Form2::Form2(const QString &applicationTitle, const QColor &dictionaryBackground, QWidget *parent)
    : QWidget(parent)
    , m_title(applicationTitle)
    , m_dictionaryBackground(dictionaryBackground)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Velmora University, Japan"));
    ui::styleWindow(this);
    setMinimumSize(ClientWidth, ClientHeight);
    resize(ClientWidth, ClientHeight);
    createAnalyserControls();
    createConjugatorControls();

    QWidget *const chain[]
        = { Command3, Command1, Text1, checks[9], checks[8], checks[5], checks[0], checks[1],
              checks[2], checks[3], checks[4], checks[6], checks[7], Command4, Text2, Command5 };
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    Command3->setFocus();

    Form_Load();
}

const QString &Form2::exprChar(int index) const
{
    static const QString outside;
    if (index < 0 || index >= static_cast<int>(ExprChars.size()))
        return outside;
    return ExprChars[static_cast<std::size_t>(index)];
}

void Form2::createAnalyserControls()
{
    Label3 = ui::makeLabel(this, QStringLiteral("Label3"),
        tr("Enter any kanji expression (on Japanese O/S only):"), twipsRect(120, 120, 4575, 375));
    Label3->setFont(ui::lucidaFont(7.5, true));
    Command3 = ui::makeButton(this, QStringLiteral("Command3"), tr("or Paste from other source"),
        twipsRect(4680, 0, 1332, 492));
    Command3->setFont(ui::lucidaFont(7.5));
    Label4 = ui::makeLabel(
        this, QStringLiteral("Label4"), tr("On, kun, meaning:"), twipsRect(6120, 120, 1815, 255));
    Label4->setFont(ui::lucidaFont(9.75));
    Label1 = ui::makeValueLabel(this, QStringLiteral("Label1"), tr("Kunyomi, onyomi and meaning"),
        twipsRect(6120, 360, 1935, 975));
    Label1->setFont(ui::lucidaFont(12));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(ui::japaneseFont(12));
    Text1->setGeometry(twipsRect(240, 480, 5775, 855));
    // Tab moves the focus on instead of being typed into the expression.
    Text1->setTabChangesFocus(true);
    Text1->setAccessibleName(tr("Kanji expression"));

    Command1 = ui::makeButton(this, QStringLiteral("Command1"),
        //: Lays the expression out below, one character a cell
        tr("RUN and click on any kanji below:"), twipsRect(240, 1560, 3615, 375));
    Command1->setFont(ui::lucidaFont(7.5));
    Command5 = ui::makeButton(
        this, QStringLiteral("Command5"), tr("Back to Main"), twipsRect(4680, 1560, 1332, 372));

    const QFont gridFont = ui::japaneseFont(12);
    for (int i = 0; i < GridSize; ++i) {
        const int column = i % 15;
        const int width = column == NarrowColumn ? 255 : 375;
        auto *cell = new ui::ClickableLabel(this);
        cell->setObjectName(QStringLiteral("Label2(%1)").arg(i));
        cell->setAccessibleName(tr("Character %1").arg(i + 1));
        cell->setTextFormat(Qt::PlainText);
        cell->setFont(gridFont);
        cell->setGeometry(twipsRect(GridColumnLefts[static_cast<std::size_t>(column)],
            GridRowTops[static_cast<std::size_t>(i / 15)], width, 255));
        connect(cell, &ui::ClickableLabel::clicked, this,
            [this, i] { Label2_Click(static_cast<qint16>(i)); });
        Label2[static_cast<std::size_t>(i)] = cell;
    }

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
}

void Form2::createConjugatorControls()
{
    Label15 = ui::makeLabel(this, QStringLiteral("Label15"), tr("Enter any verb in romaji:"),
        twipsRect(120, 4080, 1215, 375));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twipsRect(1440, 4080, 1215, 375));
    Text2->setAccessibleName(tr("Verb in romaji"));
    Command4 = ui::makeButton(this, QStringLiteral("Command4"), tr("RUN", "conjugate the verb"),
        twipsRect(1440, 4680, 1215, 375));
    Frame1 = new QGroupBox(tr("Select one or more:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipsRect(2880, 4080, 3615, 3135));

    for (std::size_t i = 0; i < VerbFormCount; ++i) {
        const FormRow &row = FormRows[i];
        auto *box = new QCheckBox(tr(row.caption), Frame1);
        box->setObjectName(QStringLiteral("Check%1").arg(i + 1));
        box->setGeometry(twipsRect(120, row.top, row.boxWidth, 255));
        // Every form is asked for until the student says otherwise.
        box->setChecked(true);
        checks[i] = box;
        // A form is spoken by the name of its box, without the colon.
        QString spoken = box->text();
        if (spoken.endsWith(u':'))
            spoken.chop(1);
        resultLabels[i] = ui::makeValueLabel(Frame1, QStringLiteral("Label%1").arg(i + 5), spoken,
            twipsRect(2040, row.top, row.labelWidth, row.labelHeight));
    }

    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
}

void Form2::Form_Load()
{
    ExprLimit = 60;
}

void Form2::Command3_Click()
{
    ui::readClipboardText(this, [this](const QString &text) { Text1->setPlainText(text); });
}

void Form2::Command5_Click()
{
    Q_EMIT mainWindowRequested();
}

void Form2::Command1_Click()
{
    const QString expression = Text1->toPlainText();
    const int limit = std::clamp<int>(ExprLimit, 0, GridSize);
    for (int k = 0; k < limit; ++k)
        Label2[static_cast<std::size_t>(k)]->setValue({});

    const ExpressionLayout layout = layoutExpression(expression, limit);
    if (layout.truncated) {
        ui::showMessage(
            this, m_title, tr("We will take the first %1 letters only!").arg(ExprLimit));
    }
    // Positions beyond this expression forget what a longer one left there,
    // so an empty label never answers with an invisible character.
    for (int k = 1; k <= limit; ++k) {
        const auto index = static_cast<std::size_t>(k);
        ExprChars[index] = k <= layout.characters.size() ? layout.characters.at(k - 1) : QString();
        Label2[index - 1]->setValue(ExprChars[index]);
    }
}

void Form2::Label2_Click(qint16 Index)
{
    if (Index < 0 || Index >= GridSize)
        return;
    ui::setLabelBackground(Label2[static_cast<std::size_t>(SelectedIndex)], m_dictionaryBackground);
    SelectedIndex = Index;
    Label1->setValue({});

    const int row
        = lookupKanji(KanjiData(), RecordCount(), ExprChars[static_cast<std::size_t>(Index) + 1]);
    if (row == 0) {
        Label1->setValue(tr("That kanji isn't in this dictionary yet."));
        return;
    }
    ui::setLabelBackground(Label2[static_cast<std::size_t>(Index)], Qt::white);
    Label1->setValue(kanjiSummary(KanjiData(), row));
}

void Form2::Command4_Click()
{
    for (ui::ValueLabel *result : resultLabels)
        result->setValue({});
    FormTicks ticks {};
    for (std::size_t i = 0; i < VerbFormCount; ++i)
        ticks[i] = checks[i]->checkState() != Qt::Unchecked;
    const FormTexts forms = conjugate(Text2->text(), ticks);
    for (std::size_t i = 0; i < VerbFormCount; ++i)
        resultLabels[i]->setValue(forms[i]);
}

void Form2::closeEvent(QCloseEvent *event)
{
    // The dictionary window is hidden while this one shows: closing goes
    // back to it rather than leaving the program without a window.
    Q_EMIT mainWindowRequested();
    QWidget::closeEvent(event);
}

} // namespace kanjiaid
