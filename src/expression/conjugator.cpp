/*
    SPDX-FileCopyrightText: 2026 The kanjiaid developers

    SPDX-License-Identifier: GPL-3.0-or-later
*/

#include "expression/conjugator.h"

#include "store/text.h"

#include <optional>

namespace kanjiaid {

namespace {

using namespace Qt::StringLiterals;

// Verbs ending in "iru" or "eru" that conjugate like consonant-stem verbs.
// The first equal entry wins, so the order is kept as taught.
constexpr std::array<QStringView, 14> GodanRuVerbs = {
    u"kiru",
    u"hairu",
    u"monoshiru",
    u"hashiru",
    u"nejiru",
    u"kaeru",
    u"keru",
    u"suberu",
    u"iru",
    u"shiru",
    u"chiru",
    u"negiru",
    u"teru",
    u"shaberu",
};

// After the dictionary form, kuru and suru are recognised only by these
// markers, which no later ending rule can mistake for a regular verb.
constexpr QStringView KuruMarker = u"kir";
constexpr QStringView SuruMarker = u"shir";

// The forms of kuru and suru that are whole words of their own. Their masu
// and conditional forms and the ta and te forms still follow the rules.
struct IrregularForm
{
    VerbForm form;
    QStringView kuru;
    QStringView suru;
};

constexpr std::array<IrregularForm, 5> IrregularForms = { {
    { VerbForm::Imperative, u"koi", u"shiro" },
    { VerbForm::Volitional, u"koyou", u"shiyou" },
    { VerbForm::Nai, u"konai", u"shinai" },
    { VerbForm::Passive, u"korareru", u"sareru" },
    { VerbForm::Causative, u"kosaseru", u"saseru" },
} };

QString lastLetters(const QString &text, qsizetype n)
{
    return text.size() <= n ? text : text.right(n);
}

// The text without its final n letters; nothing when it is shorter than n.
std::optional<QString> cut(const QString &text, qsizetype n)
{
    if (text.size() < n)
        return std::nullopt;
    return text.left(text.size() - n);
}

std::optional<QString> cutPlus(const QString &text, qsizetype n, QStringView ending)
{
    auto stem = cut(text, n);
    if (stem)
        stem->append(ending);
    return stem;
}

bool isVowelU(const QString &ending2)
{
    return ending2 == u"au" || ending2 == u"uu" || ending2 == u"ou" || ending2 == u"iu"
        || ending2 == u"eu";
}

bool isVowelStem(const QString &ending3)
{
    return ending3 == u"iru" || ending3 == u"eru";
}

QString chooseTaEnding(const QString &verb, const QString &ending2, const QString &ending3)
{
    if (verb == u"kuru" || verb == u"suru")
        return u"ita"_s;
    if (ending2 == u"ku")
        return u"ita"_s;
    if (ending2 == u"gu")
        return u"ida"_s;
    if (ending2 == u"nu" || ending2 == u"bu" || ending2 == u"mu")
        return u"nda"_s;
    if (ending2 == u"su" && ending3 != u"tsu")
        return u"shita"_s;
    if (isVowelStem(ending3))
        return u"ta"_s;
    return u"tta"_s;
}

class Conjugation
{
public:
    explicit Conjugation(const QString &typed)
        : m_verb(trimSpaces(typed.toLower()))
        , m_ending2(lastLetters(m_verb, 2))
        , m_taEnding(chooseTaEnding(m_verb, m_ending2, lastLetters(m_verb, 3)))
    { }

    // Runs the ten steps in order. Every step runs, ticked or not, because
    // steps 1, 2 and 8 rewrite the working verb for the steps after them.
    FormTexts run(const FormTicks &ticks)
    {
        const QString typed = m_verb;
        // A braced list is evaluated left to right: the steps run in order.
        const std::array<std::optional<QString>, VerbFormCount> forms = {
            dictionaryForm(),
            masuForm(),
            taForm(),
            teForm(),
            imperativeForm(),
            conditionalForm(),
            volitionalForm(),
            naiForm(),
            passiveForm(),
            causativeForm(),
        };
        FormTexts texts;
        for (std::size_t i = 0; i < VerbFormCount; ++i) {
            if (ticks[i] && forms[i])
                texts[i] = *forms[i];
        }
        applyCommonVerbExceptions(typed, ticks, texts);
        return texts;
    }

private:
    [[nodiscard]] bool isKuru() const { return m_verb == KuruMarker; }
    [[nodiscard]] bool isSuru() const { return m_verb == SuruMarker; }
    [[nodiscard]] bool isIrregular() const { return isKuru() || isSuru(); }
    [[nodiscard]] bool endsVowelStem() const { return isVowelStem(lastLetters(m_verb, 3)); }

    // The whole word kuru or suru take for the form, if it is one of those.
    [[nodiscard]] std::optional<QString> irregularForm(VerbForm form) const
    {
        if (!isIrregular())
            return std::nullopt;
        for (const IrregularForm &irregular : IrregularForms) {
            if (irregular.form == form)
                return (isKuru() ? irregular.kuru : irregular.suru).toString();
        }
        return std::nullopt;
    }

    std::optional<QString> dictionaryForm()
    {
        const QString form = m_verb;
        if (m_verb == u"kuru")
            m_verb = KuruMarker.toString();
        else if (m_verb == u"suru")
            m_verb = SuruMarker.toString();

        for (const QStringView listed : GodanRuVerbs) {
            if (m_verb == listed) {
                // The final "i" keeps these verbs out of the vowel-stem rules.
                m_verb = *cutPlus(m_verb, 1, u"i");
                m_taEnding = u"tta"_s;
                break;
            }
        }
        return form;
    }

    std::optional<QString> masuForm()
    {
        if (endsVowelStem())
            return cutPlus(m_verb, 2, u"masu");
        if (lastLetters(m_verb, 3) == u"tsu") {
            auto form = cutPlus(m_verb, 3, u"chimasu");
            // The later steps treat "ts" as a single "t".
            m_verb = *cutPlus(m_verb, 2, u"u");
            return form;
        }
        if (lastLetters(m_verb, 2) == u"su")
            return cutPlus(m_verb, 2, u"shimasu");
        if (isIrregular())
            return cutPlus(m_verb, 1, u"masu");
        return cutPlus(m_verb, 1, u"imasu");
    }

    std::optional<QString> taForm() const
    {
        if (isVowelU(m_ending2))
            return cutPlus(m_verb, 1, u"tta");
        return cutPlus(m_verb, 2, m_taEnding);
    }

    std::optional<QString> teForm() const
    {
        if (isVowelU(m_ending2))
            return cutPlus(m_verb, 1, u"tte");
        auto form = cut(m_verb, 2);
        if (form)
            *form += *cut(m_taEnding, 1) + u'e';
        return form;
    }

    std::optional<QString> imperativeForm() const
    {
        if (auto irregular = irregularForm(VerbForm::Imperative))
            return irregular;
        if (endsVowelStem())
            return cutPlus(m_verb, 2, u"ro");
        return cutPlus(m_verb, 1, u"e");
    }

    std::optional<QString> conditionalForm() const
    {
        if (isIrregular())
            return m_verb.left(1) + u"ureba"_s;
        return cutPlus(m_verb, 1, u"eba");
    }

    std::optional<QString> volitionalForm() const
    {
        if (auto irregular = irregularForm(VerbForm::Volitional))
            return irregular;
        if (endsVowelStem())
            return cutPlus(m_verb, 2, u"you");
        return cutPlus(m_verb, 1, u"ou");
    }

    std::optional<QString> naiForm()
    {
        if (auto irregular = irregularForm(VerbForm::Nai))
            return irregular;
        if (endsVowelStem())
            return cutPlus(m_verb, 2, u"nai");
        if (isVowelU(m_ending2)) {
            auto form = cutPlus(m_verb, 1, u"wanai");
            // Passive and causative put in the "w" as well.
            m_verb = *cutPlus(m_verb, 1, u"wu");
            return form;
        }
        return cutPlus(m_verb, 1, u"anai");
    }

    std::optional<QString> passiveForm() const
    {
        if (auto irregular = irregularForm(VerbForm::Passive))
            return irregular;
        return cutPlus(m_verb, 1, u"areru");
    }

    std::optional<QString> causativeForm() const
    {
        if (auto irregular = irregularForm(VerbForm::Causative))
            return irregular;
        if (endsVowelStem())
            return cutPlus(m_verb, 2, u"saseru");
        return cutPlus(m_verb, 1, u"aseru");
    }

    // Two of the most common verbs break the final-letter rules: iku takes
    // "itta"/"itte", and the nai-form of aru is plain "nai".
    static void applyCommonVerbExceptions(
        const QString &typed, const FormTicks &ticks, FormTexts &texts)
    {
        const auto set = [&](VerbForm form, const QString &text) {
            const auto i = static_cast<std::size_t>(form);
            if (ticks[i])
                texts[i] = text;
        };
        if (typed == u"iku") {
            set(VerbForm::Ta, u"itta"_s);
            set(VerbForm::Te, u"itte"_s);
        } else if (typed == u"aru") {
            set(VerbForm::Nai, u"nai"_s);
        }
    }

    QString m_verb; // the working verb, rewritten in steps 1, 2 and 8
    const QString m_ending2; // of the typed verb, never updated
    QString m_taEnding;
};

} // namespace

FormTexts conjugate(const QString &typed, const FormTicks &ticks)
{
    return Conjugation(typed).run(ticks);
}

FormTexts conjugateAll(const QString &typed)
{
    FormTicks all;
    all.fill(true);
    return conjugate(typed, all);
}

} // namespace kanjiaid
