#include "components/TBHTMLScans.h"

#include <QCoreApplication>

namespace {

// Character positions count from 1, as the scans were designed.
class Markup {
public:
    explicit Markup(const QString& text)
        : m_text(text) {}

    qsizetype length() const { return m_text.size(); }
    QChar at(qsizetype p) const { return m_text.at(p - 1); }
    QStringView mid(qsizetype p, qsizetype n) const { return QStringView(m_text).mid(p - 1, n); }

private:
    const QString& m_text;
};

// Keeps the window responsive during a long scan without paying for it at every character.
class EventPump {
public:
    void step() {
        if (++m_steps % 4096 == 0)
            QCoreApplication::processEvents();
    }

private:
    quint64 m_steps = 0;
};

struct ValueScanRules {
    bool skipCharacterAfterTerminator;
    bool startTextRestartsValue;
};

bool scanValues(const QString& text, const QString& startText, const QString& valuePrefix, const QString& terminator,
                const ValueScanRules& rules, QStringList& values) {
    if (startText.isEmpty())
        return false;
    const Markup markup(text);
    const qsizetype length = markup.length();
    EventPump pump;
    bool inElement = false;
    bool collecting = false;
    bool found = false;
    QString value;
    for (qsizetype p = 1; p < length; ++p) {
        pump.step();
        if (startText.size() + p + valuePrefix.size() < length) {
            const QStringView start = markup.mid(p, startText.size());
            const QStringView prefix = markup.mid(p, valuePrefix.size());
            if (start == startText) {
                p += startText.size() - 1;
                inElement = true;
                if (collecting && rules.startTextRestartsValue)
                    value.clear();
                else
                    collecting = false;
            }
            if (inElement && prefix == valuePrefix) {
                p += valuePrefix.size();
                collecting = true;
                value.clear();
            }
        }
        if (!collecting)
            continue;
        found = true;
        if (markup.mid(p, terminator.size()) != terminator) {
            value += markup.at(p);
            continue;
        }
        values << value;
        value.clear();
        p += rules.skipCharacterAfterTerminator ? terminator.size() : terminator.size() - 1;
        inElement = false;
        collecting = false;
    }
    return found;
}

} // namespace

bool ScanLinks(const QString& text, QStringList& values) {
    static const QString pattern = QStringLiteral("<A href=\"");
    const Markup markup(text);
    const qsizetype length = markup.length();
    EventPump pump;
    bool collecting = false;
    QString value;
    for (qsizetype p = 1; p < length; ++p) {
        pump.step();
        if (p + pattern.size() < length && markup.mid(p, pattern.size()) == pattern) {
            p += pattern.size();
            collecting = true;
            value.clear();
        }
        if (!collecting)
            continue;
        if (markup.at(p) != QLatin1Char('"')) {
            value += markup.at(p);
        } else {
            values << value;
            value.clear();
            collecting = false;
        }
    }
    return collecting;
}

bool ScanValues(const QString& markup, const QString& startText, const QString& valuePrefix, const QString& terminator,
                QStringList& values) {
    return scanValues(markup, startText, valuePrefix, terminator, {true, false}, values);
}

bool ScanImages(const QString& markup, QStringList& values) {
    return scanValues(markup, QStringLiteral("<IMG "), QStringLiteral("src=\""), QStringLiteral("\""), {false, true},
                      values);
}
