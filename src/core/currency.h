#pragma once
// The locale's currency format for report amounts, passed in explicitly so that a report is a
// pure function of its inputs and tests can pin the locale.

#include <QDate>
#include <QLocale>
#include <QString>
#include <cmath>
#include <cstdlib>
#include <string>

namespace selvane {

// The locale money is written in: the first of LC_ALL, LC_MONETARY and LANG that is set. Qt's
// system locale would write amounts with the pattern of the language of messages ("20,000.00 $"
// under LANGUAGE=de with LANG=en_US), so that a figure would change with the language the window
// speaks. Where none is set, or the C locale is, money follows the system locale.
inline QLocale monetaryLocale() {
    for (const char* name : {"LC_ALL", "LC_MONETARY", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0')
            continue;
        const QString locale = QString::fromLocal8Bit(value);
        if (locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
            locale == QLatin1String("POSIX"))
            break;
        // A name Qt cannot read ("de_DE@euro" reads, "xx_YY" does not) leaves the system's.
        if (const QLocale named(locale); named.language() != QLocale::C)
            return named;
        break;
    }
    return QLocale::system();
}

class CurrencyFormat {
  public:
    explicit CurrencyFormat(QLocale locale = monetaryLocale()) : m_locale(std::move(locale)) {}
    std::string operator()(double value) const {
        return m_locale.toCurrencyString(value).toStdString();
    }
    // The same, but an amount that rounds to no cents is plain zero, without the sign the report
    // keeps ("-$0.00"): for the figures of What If, Compare and the chart.
    std::string amount(double value) const {
        return (*this)(std::fabs(value) < 0.005 ? 0.0 : value);
    }
    // Whole currency units, for the ticks of a chart's axis: "$250,000" (never "-$0").
    std::string whole(double value) const {
        return m_locale
            .toCurrencyString(std::fabs(value) < 0.5 ? 0.0 : value, m_locale.currencySymbol(), 0)
            .toStdString();
    }

    // The locale writes a decimal comma ("1.234,50").
    bool decimalComma() const { return m_locale.decimalPoint() == QStringLiteral(","); }

    // A date in the locale's short format, the year in full: "3/31/2049", "31.03.2049".
    std::string date(int year, int month, int day) const {
        return m_locale.toString(QDate(year, month, day), dateFieldFormat()).toStdString();
    }
    // A month and its year in the locale's words: "March 2049", "März 2049".
    std::string monthAndYear(int year, int month) const {
        return m_locale.toString(QDate(year, month, 1), QStringLiteral("MMMM yyyy")).toStdString();
    }
    // The locale's date format for a date field, the year in full.
    QString dateFieldFormat() const {
        QString format = m_locale.dateFormat(QLocale::ShortFormat);
        if (!format.contains(QLatin1String("yyyy")))
            format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        return format;
    }

    // A count with the locale's grouping: "1,234".
    std::string count(long long value) const { return m_locale.toString(value).toStdString(); }

  private:
    QLocale m_locale;
};

} // namespace selvane
