#include "companions/ExpressionText.h"

#include <array>
#include <span>

QString EntferneLeerzeichen(const QString& text) {
    QString result = text;
    result.remove(QLatin1Char(' '));
    return result;
}

QString EntferneKlammern(const QString& text) {
    const QStringView inner = withoutEnclosingParentheses(text);
    return inner.size() == text.size() ? text : inner.toString();
}

QStringView withoutEnclosingParentheses(QStringView text) {
    if (!text.startsWith(QLatin1Char('(')) || !text.endsWith(QLatin1Char(')')))
        return text;
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('(')) {
            // A second "(" at depth 0 means the first pair closed before the end.
            if (i != 0 && depth == 0)
                return text;
            ++depth;
        } else if (text[i] == QLatin1Char(')')) {
            --depth;
        }
    }
    return text.mid(1, text.size() - 2);
}

namespace {

struct FunctionName {
    QLatin1StringView name;
    QLatin1StringView code;
};

// Order matters: the first name that matches at a position wins.
constexpr std::array<FunctionName, 7> functionNames{{
    {QLatin1StringView("sin"), QLatin1StringView("s#")},
    {QLatin1StringView("cos"), QLatin1StringView("c#")},
    {QLatin1StringView("tan"), QLatin1StringView("t#")},
    {QLatin1StringView("ln"), QLatin1StringView("n#")},
    {QLatin1StringView("lg"), QLatin1StringView("g#")},
    {QLatin1StringView("abs"), QLatin1StringView("r#")},
    {QLatin1StringView("mod"), QLatin1StringView("m")},
}};

} // namespace

QString WandleSinCosTanUm(const QString& text, bool convertAllColonsAndDots, QChar decimalSymbol) {
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        bool matched = false;
        for (const FunctionName& function : functionNames) {
            if (QStringView(text).mid(i, function.name.size()).compare(function.name, Qt::CaseInsensitive) == 0) {
                result += function.code;
                i += function.name.size();
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        QChar c = text[i];
        if (convertAllColonsAndDots && (c == QLatin1Char('.') || c == QLatin1Char(',')))
            c = decimalSymbol;
        result += c;
        ++i;
    }
    return result;
}

QString Assiotiativitaet(const QString& text) {
    QString result = text;
    flipSignsAfterFirstMinus(result.data(), result.data() + result.size());
    return result;
}

void flipSignsAfterFirstMinus(QChar* begin, QChar* end) {
    int depth = 0;
    bool minusMode = false;
    for (QChar& c : std::span(begin, end)) {
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        if (depth != 0)
            continue;
        if (c == QLatin1Char('-')) {
            if (minusMode)
                c = QLatin1Char('+');
            minusMode = true;
        } else if (c == QLatin1Char('+') && minusMode) {
            c = QLatin1Char('-');
        }
    }
}
