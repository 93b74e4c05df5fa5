/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "expression/conjugator.h"

#include <QTest>

using namespace kanjiaid;
using namespace Qt::StringLiterals;

namespace {

QStringList toList(const FormTexts &texts)
{
    return { texts.begin(), texts.end() };
}

FormTicks only(VerbForm form)
{
    FormTicks ticks {};
    ticks[static_cast<std::size_t>(form)] = true;
    return ticks;
}

QString formOf(const FormTexts &texts, VerbForm which)
{
    return texts[static_cast<std::size_t>(which)];
}

} // namespace

class TestConjugator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void allForms_data();
    void allForms();
    void singleTickGivesTheSameForm_data();
    void singleTickGivesTheSameForm();
    void untickedFormsStayEmpty();
    void tooShortForACut_data();
    void tooShortForACut();
    void anyTextIsSafe_data();
    void anyTextIsSafe();
};

void TestConjugator::allForms_data()
{
    QTest::addColumn<QString>("typed");
    // dictionary, masu, ta, te, imperative, conditional, volitional, nai, passive, causative
    QTest::addColumn<QStringList>("forms");

    const auto row = [](const char *name, const QString &typed, const QString &forms) {
        QTest::newRow(name) << typed << forms.split(u' ');
    };
    row("vowel-stem eru: taberu", u"taberu"_s,
        u"taberu tabemasu tabeta tabete tabero tabereba tabeyou tabenai taberareru tabesaseru"_s);
    row("vowel-stem iru: miru", u"miru"_s,
        u"miru mimasu mita mite miro mireba miyou minai mirareru misaseru"_s);
    row("listed eru: kaeru", u"kaeru"_s,
        u"kaeru kaerimasu kaetta kaette kaere kaereba kaerou kaeranai kaerareru kaeraseru"_s);
    row("listed iru: hairu", u"hairu"_s,
        u"hairu hairimasu haitta haitte haire haireba hairou hairanai hairareru hairaseru"_s);
    row("other ru: toru", u"toru"_s,
        u"toru torimasu totta totte tore toreba torou toranai torareru toraseru"_s);
    row("vowel-u: kau", u"kau"_s,
        u"kau kaimasu katta katte kae kaeba kaou kawanai kawareru kawaseru"_s);
    // Each vowel before the final u, as each is a rule of its own.
    row("vowel-u: iu", u"iu"_s, u"iu iimasu itta itte ie ieba iou iwanai iwareru iwaseru"_s);
    row("vowel-u: suu", u"suu"_s,
        u"suu suimasu sutta sutte sue sueba suou suwanai suwareru suwaseru"_s);
    row("vowel-u: omou", u"omou"_s,
        u"omou omoimasu omotta omotte omoe omoeba omoou omowanai omowareru omowaseru"_s);
    row("ku: kaku", u"kaku"_s,
        u"kaku kakimasu kaita kaite kake kakeba kakou kakanai kakareru kakaseru"_s);
    row("gu: oyogu", u"oyogu"_s,
        u"oyogu oyogimasu oyoida oyoide oyoge oyogeba oyogou oyoganai oyogareru oyogaseru"_s);
    row("su: hanasu", u"hanasu"_s,
        u"hanasu hanashimasu hanashita hanashite hanase hanaseba hanasou hanasanai hanasareru hanasaseru"_s);
    row("tsu: matsu", u"matsu"_s,
        u"matsu machimasu matta matte mate mateba matou matanai matareru mataseru"_s);
    row("nu: shinu", u"shinu"_s,
        u"shinu shinimasu shinda shinde shine shineba shinou shinanai shinareru shinaseru"_s);
    row("bu: asobu", u"asobu"_s,
        u"asobu asobimasu asonda asonde asobe asobeba asobou asobanai asobareru asobaseru"_s);
    row("mu: yomu", u"yomu"_s,
        u"yomu yomimasu yonda yonde yome yomeba yomou yomanai yomareru yomaseru"_s);
    row("irregular kuru", u"kuru"_s,
        u"kuru kimasu kita kite koi kureba koyou konai korareru kosaseru"_s);
    row("irregular suru", u"suru"_s,
        u"suru shimasu shita shite shiro sureba shiyou shinai sareru saseru"_s);
    row("capitals and spaces", u"  Taberu "_s,
        u"taberu tabemasu tabeta tabete tabero tabereba tabeyou tabenai taberareru tabesaseru"_s);
    row("suru inside a word is regular", u"benkyousuru"_s,
        u"benkyousuru benkyousurimasu benkyousutta benkyousutte benkyousure benkyousureba benkyousurou benkyousuranai benkyousurareru benkyousuraseru"_s);
    row("listed kiru", u"kiru"_s,
        u"kiru kirimasu kitta kitte kire kireba kirou kiranai kirareru kiraseru"_s);
    row("okiru is vowel-stem", u"okiru"_s,
        u"okiru okimasu okita okite okiro okireba okiyou okinai okirareru okisaseru"_s);
    row("two letters: au", u"au"_s, u"au aimasu atta atte ae aeba aou awanai awareru awaseru"_s);
    row("two letters: su", u"su"_s, u"su shimasu shita shite se seba sou sanai sareru saseru"_s);
    row("tsu alone", u"tsu"_s, u"tsu chimasu tta tte te teba tou tanai tareru taseru"_s);
    row("the kuru marker typed", u"kir"_s,
        u"kir kimasu ktta ktte koi kureba koyou konai korareru kosaseru"_s);
    // Two common verbs the final-letter rules would teach wrongly.
    row("iku takes itta and itte", u"iku"_s,
        u"iku ikimasu itta itte ike ikeba ikou ikanai ikareru ikaseru"_s);
    row("aru takes nai", u"aru"_s, u"aru arimasu atta atte are areba arou nai arareru araseru"_s);
    row("only whole iku is special", u"aruku"_s,
        u"aruku arukimasu aruita aruite aruke arukeba arukou arukanai arukareru arukaseru"_s);
}

void TestConjugator::allForms()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, forms);
    QCOMPARE(toList(conjugateAll(typed)), forms);
}

void TestConjugator::singleTickGivesTheSameForm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("expected");
    QTest::newRow("kuru ta alone") << u"kuru"_s << int(VerbForm::Ta) << u"kita"_s;
    QTest::newRow("matsu imperative alone") << u"matsu"_s << int(VerbForm::Imperative) << u"mate"_s;
    QTest::newRow("kaeru imperative alone")
        << u"kaeru"_s << int(VerbForm::Imperative) << u"kaere"_s;
    QTest::newRow("kau passive alone") << u"kau"_s << int(VerbForm::Passive) << u"kawareru"_s;
    QTest::newRow("kaeru masu alone") << u"kaeru"_s << int(VerbForm::Masu) << u"kaerimasu"_s;
    QTest::newRow("iku te alone") << u"iku"_s << int(VerbForm::Te) << u"itte"_s;
    QTest::newRow("aru nai alone") << u"aru"_s << int(VerbForm::Nai) << u"nai"_s;
}

void TestConjugator::singleTickGivesTheSameForm()
{
    QFETCH(QString, typed);
    QFETCH(int, form);
    QFETCH(QString, expected);
    const auto which = static_cast<VerbForm>(form);
    const FormTexts texts = conjugate(typed, only(which));
    QCOMPARE(formOf(texts, which), expected);
    QCOMPARE(formOf(conjugateAll(typed), which), expected);
}

void TestConjugator::untickedFormsStayEmpty()
{
    const FormTexts texts = conjugate(u"iku"_s, only(VerbForm::Masu));
    for (std::size_t i = 0; i < VerbFormCount; ++i)
        QCOMPARE(texts[i].isEmpty(), i != static_cast<std::size_t>(VerbForm::Masu));
}

void TestConjugator::tooShortForACut_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("forms");
    QTest::newRow("empty") << QString() << QStringList(10, QString());
    QTest::newRow("spaces only") << u"   "_s << QStringList(10, QString());
    QTest::newRow("one letter") << u"a"_s
                                << QStringList { u"a"_s, u"imasu"_s, {}, {}, u"e"_s, u"eba"_s,
                                       u"ou"_s, u"anai"_s, u"areru"_s, u"aseru"_s };
}

void TestConjugator::tooShortForACut()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, forms);
    QCOMPARE(toList(conjugateAll(typed)), forms);
}

void TestConjugator::anyTextIsSafe_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("kanji") << u"食べる"_s;
    QTest::newRow("emoji") << u"ru😀"_s;
    QTest::newRow("control characters") << u"\u0001\u0000\t\r\n"_s;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800));
    QTest::newRow("long") << QString(100000, u'u');
}

void TestConjugator::anyTextIsSafe()
{
    QFETCH(QString, typed);
    const FormTexts texts = conjugateAll(typed);
    // Each form is at most the verb plus the longest ending.
    for (const QString &text : texts)
        QVERIFY(text.size() <= typed.size() + 8);
}

QTEST_APPLESS_MAIN(TestConjugator)
#include "tst_conjugator.moc"
