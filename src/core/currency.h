#pragma once
// The locale's currency format for report amounts, passed in explicitly so that a report is a
// pure function of its inputs and tests can pin the locale.

#include <QLocale>
#include <string>

namespace selvane {

class CurrencyFormat {
  public:
    explicit CurrencyFormat(QLocale locale = QLocale::system()) : m_locale(std::move(locale)) {}
    std::string operator()(double value) const {
        return m_locale.toCurrencyString(value).toStdString();
    }

  private:
    QLocale m_locale;
};

} // namespace selvane
