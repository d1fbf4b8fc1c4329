#include "core/workbook_export.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/number_text.h"
#include "core/report_export.h"

namespace selvane {

namespace {

// Text a number format shows as it stands, in double quotes.
std::string quoted(const std::string& text) {
    if (text.empty())
        return {};
    std::string out = "\"";
    for (const char c : text)
        out += c == '"' ? std::string("\\\"") : std::string(1, c);
    return out + "\"";
}

// The locale's text of an amount with its digits replaced by the format's digit code.
std::string section(const std::string& text) {
    const size_t first = text.find_first_of("0123456789");
    const size_t last = text.find_last_of("0123456789");
    if (first == std::string::npos)
        return "#,##0.00";
    return quoted(text.substr(0, first)) + "#,##0.00" + quoted(text.substr(last + 1));
}

// A file in the folder for temporary files, removed when this goes.
class TemporaryFile {
  public:
    TemporaryFile() {
        const char* dir = std::getenv("TMPDIR");
        m_path = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/selvane-XXXXXX";
        const int fd = ::mkstemp(m_path.data());
        if (fd < 0) {
            m_error = errno;
            m_path.clear();
            return;
        }
        ::close(fd);
    }
    ~TemporaryFile() {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return m_path; }
    int error() const { return m_error; }

  private:
    std::string m_path;
    int m_error = 0;
};

// Columns as wide as the widest of their texts, in characters, with a little room.
void setWidths(lxw_worksheet* sheet, const std::vector<size_t>& widths) {
    for (size_t c = 0; c < widths.size(); ++c)
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                             static_cast<double>(widths[c] + 2), nullptr);
}

// A column's letter: A .. E.
std::string cell(char column, std::int64_t row) {
    return std::string(1, column) + std::to_string(row);
}

struct Formats {
    lxw_format *header, *money, *total, *totalMoney, *date;
};

void writeHeader(lxw_worksheet* sheet, const std::vector<std::string>& captions, const Formats& f) {
    for (size_t c = 0; c < captions.size(); ++c)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), captions[c].c_str(), f.header);
    worksheet_freeze_panes(sheet, 1, 0);
}

std::vector<std::string> split(const std::string& header) {
    std::vector<std::string> out(1);
    for (const char c : header) {
        if (c == ',')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// Tells progress of each row written, a thousand at a time, and whether to go on.
class RowsDone {
  public:
    RowsDone(const WorkProgress& progress, std::int64_t total)
        : m_progress(progress), m_total(total) {}
    bool next() {
        ++m_done;
        if (!m_progress || m_done % 1024 != 0)
            return true;
        return m_going = m_going && m_progress(m_done, m_total);
    }
    bool going() const { return m_going; }
    bool end() { return m_going = m_going && (!m_progress || m_progress(m_total, m_total)); }

  private:
    const WorkProgress& m_progress;
    std::int64_t m_total;
    std::int64_t m_done = 0;
    bool m_going = true;
};

// With dates, a Date column after the payment's number, as in the CSV file: real dates.
void writePayments(lxw_workbook* book, const DetailsReport& report, const CurrencyFormat& currency,
                   const Formats& f, RowsDone& done, const std::optional<PaymentDates>& dates) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Payments");
    std::vector<std::string> captions = split(kPaymentTableCsvHeader);
    const lxw_col_t o = dates ? 1 : 0; // the figures' columns move one to the right
    const auto column = [&](char c) { return static_cast<char>(c + o); };
    if (dates)
        captions.insert(captions.begin() + 1, "Date");
    const std::int64_t n = report.rowCount();
    const double payment = report.payment();
    // The largest figure of each column, the Total row's among them: a balance may grow before
    // it falls, and figures to date may too.
    DetailsReport::Row largest;
    report.forEachRow(1, n, [&](std::int64_t, const DetailsReport::Row& row) {
        largest = {std::max(largest.balance, std::fabs(row.balance)),
                   std::max(largest.principal, std::fabs(row.principal)),
                   std::max(largest.interest, std::fabs(row.interest))};
        return true;
    });
    auto widest = [&](size_t c, double v) {
        return std::max(captions[c].size(), currency(-std::fabs(v)).size());
    };
    std::vector<size_t> widths{std::max(captions[0].size(), std::to_string(n).size()),
                               widest(1 + o, payment * static_cast<double>(n)),
                               widest(2 + o, largest.balance), widest(3 + o, largest.principal),
                               widest(4 + o, largest.interest)};
    if (dates)
        widths.insert(widths.begin() + 1, std::string_view("9999-12-31").size());
    setWidths(sheet, widths);
    writeHeader(sheet, captions, f);
    DetailsReport::Row last;
    report.forEachRow(1, n, [&](std::int64_t k, const DetailsReport::Row& row) {
        last = row;
        const auto r = static_cast<lxw_row_t>(k);
        worksheet_write_number(sheet, r, 0, static_cast<double>(k), nullptr);
        if (dates) {
            const CivilDate d = *dates->date(k);
            lxw_datetime when{d.year, d.month, d.day, 0, 0, 0};
            worksheet_write_datetime(sheet, r, 1, &when, f.date);
        }
        worksheet_write_number(sheet, r, 1 + o, payment, f.money);
        // A balance paid off to a rounding residue is 0, not a negative zero in brackets.
        worksheet_write_number(sheet, r, 2 + o, std::fabs(row.balance) < 0.005 ? 0.0 : row.balance,
                               f.money);
        worksheet_write_number(sheet, r, 3 + o, row.principal, f.money);
        worksheet_write_number(sheet, r, 4 + o, row.interest, f.money);
        return done.next();
    });
    if (!done.going())
        return;
    // The payments add up; principal and interest are to date, so their totals are the last
    // row's. Each formula's result is stored too, for a reader that does not work it out.
    const auto r = static_cast<lxw_row_t>(n + 1);
    worksheet_write_string(sheet, r, 0, "Total", f.total);
    worksheet_write_formula_num(
        sheet, r, 1 + o,
        ("=SUM(" + cell(column('B'), 2) + ":" + cell(column('B'), n + 1) + ")").c_str(),
        f.totalMoney, payment * static_cast<double>(n));
    worksheet_write_formula_num(sheet, r, 3 + o, ("=" + cell(column('D'), n + 1)).c_str(),
                                f.totalMoney, last.principal);
    worksheet_write_formula_num(sheet, r, 4 + o, ("=" + cell(column('E'), n + 1)).c_str(),
                                f.totalMoney, last.interest);
}

void writeYears(lxw_workbook* book, const YearlySummary& years, bool investment,
                const CurrencyFormat& currency, const Formats& f, RowsDone& done) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Yearly Summary");
    const std::vector<std::string> captions = split(yearlyCsvHeader(investment));
    const std::int64_t count = years.yearCount();
    const YearRow total = years.total();
    auto widest = [&](size_t c, const Money& v) {
        return std::max(captions[c].size(), currency(-std::fabs(v.value())).size());
    };
    double balance = 0;
    years.forEachYear([&](const YearRow& y) {
        balance = std::max(balance, std::fabs(y.balance.value()));
        return true;
    });
    setWidths(sheet, {std::max<size_t>(captions[0].size(), 5),
                      std::max(captions[1].size(), std::to_string(total.payments).size()),
                      widest(2, total.principal), widest(3, total.interest),
                      std::max(captions[4].size(), currency(-balance).size())});
    writeHeader(sheet, captions, f);
    // The figures of the yearly CSV file, each the double nearest to it; a row a year under the
    // header, whether the years count from 1 or are calendar years.
    lxw_row_t r = 0;
    years.forEachYear([&](const YearRow& y) {
        ++r;
        worksheet_write_number(sheet, r, 0, static_cast<double>(y.year), nullptr);
        worksheet_write_number(sheet, r, 1, static_cast<double>(y.payments), nullptr);
        worksheet_write_number(sheet, r, 2, y.principal.value(), f.money);
        worksheet_write_number(sheet, r, 3, y.interest.value(), f.money);
        worksheet_write_number(sheet, r, 4, y.balance.value(), f.money);
        return done.next();
    });
    if (count == 0 || !done.going())
        return;
    r = static_cast<lxw_row_t>(count + 1);
    auto sum = [&](char column) {
        return "=SUM(" + cell(column, 2) + ":" + cell(column, count + 1) + ")";
    };
    worksheet_write_string(sheet, r, 0, "Total", f.total);
    worksheet_write_formula_num(sheet, r, 1, sum('B').c_str(), f.total,
                                static_cast<double>(total.payments));
    worksheet_write_formula_num(sheet, r, 2, sum('C').c_str(), f.totalMoney,
                                total.principal.value());
    worksheet_write_formula_num(sheet, r, 3, sum('D').c_str(), f.totalMoney,
                                total.interest.value());
    worksheet_write_formula_num(sheet, r, 4, ("=" + cell('E', count + 1)).c_str(), f.totalMoney,
                                total.balance.value());
}

} // namespace

std::string currencyNumberFormat(const CurrencyFormat& currency) {
    return section(currency(1234.5)) + ";" + section(currency(-1234.5));
}

namespace {
// The workbook the library made whole in its file, put at path the safe way.
WriteOutcome putInPlace(const TemporaryFile& made, const std::string& path) {
    std::FILE* in = std::fopen(made.path().c_str(), "rb");
    if (in == nullptr)
        return {path, false, std::strerror(errno)};
    std::vector<char> buffer(BUFSIZ); // the writer gathers the pieces into blocks of its own
    const WriteOutcome outcome = replaceFileWith(path, [&](const WritePiece& write) {
        for (;;) {
            const size_t n = std::fread(buffer.data(), 1, buffer.size(), in);
            if (n == 0)
                return std::ferror(in) == 0;
            if (!write(std::string_view(buffer.data(), n)))
                return false;
        }
    });
    std::fclose(in);
    return outcome;
}
} // namespace

WriteOutcome writeWorkbook(const std::string& path, const DetailsReport& report,
                           const YearlySummary& years, bool investment,
                           const CurrencyFormat& currency, const WorkProgress& progress) {
    if (report.rowCount() > kMaxWorkbookPayments)
        return {path, false, kTooManyForWorkbook};
    // The library writes to a file of its own choosing; the workbook is made whole there first,
    // then put in place the safe way, so a failure never touches the file at path.
    const TemporaryFile made;
    if (made.path().empty())
        return {path, false, std::strerror(made.error())};
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE; // a row at a time: a million payments take no memory
    options.use_zip64 = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(made.path().c_str(), &options);
    if (book == nullptr)
        return {path, false, std::strerror(errno != 0 ? errno : ENOMEM)};
    const std::string moneyCode = currencyNumberFormat(currency);
    Formats f{};
    f.header = workbook_add_format(book);
    format_set_bold(f.header);
    f.money = workbook_add_format(book);
    format_set_num_format(f.money, moneyCode.c_str());
    f.total = workbook_add_format(book);
    format_set_bold(f.total);
    f.totalMoney = workbook_add_format(book);
    format_set_bold(f.totalMoney);
    format_set_num_format(f.totalMoney, moneyCode.c_str());
    f.date = workbook_add_format(book);
    format_set_num_format(f.date, "yyyy-mm-dd");
    // The rows, then the compression, which takes about as long and tells nothing until it ends.
    const std::int64_t rows = report.rowCount() + years.yearCount();
    RowsDone done(progress, 2 * rows);
    writePayments(book, report, currency, f, done, years.dates());
    if (done.going())
        writeYears(book, years, investment, currency, f, done);
    if (!done.going()) {
        // Freed without compressing what was written. The library leaves each sheet's file of
        // rows open when it frees the sheet, so they are closed here (they have no name).
        lxw_worksheet* sheet = nullptr;
        LXW_FOREACH_WORKSHEET(sheet, book) {
            if (sheet->optimize_tmpfile != nullptr)
                std::fclose(sheet->optimize_tmpfile);
            sheet->optimize_tmpfile = nullptr;
        }
        lxw_workbook_free(book);
        return {path, false, kWriteCancelled};
    }
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR)
        return {path, false, lxw_strerror(error)};
    if (!done.end())
        return {path, false, kWriteCancelled};

    return putInPlace(made, path);
}

WriteOutcome writeTableWorkbook(const std::string& path, const TableSheet& table,
                                const CurrencyFormat& currency) {
    const TemporaryFile made;
    if (made.path().empty())
        return {path, false, std::strerror(made.error())};
    lxw_workbook* book = workbook_new(made.path().c_str());
    if (book == nullptr)
        return {path, false, std::strerror(errno != 0 ? errno : ENOMEM)};
    lxw_format* header = workbook_add_format(book);
    format_set_bold(header);
    lxw_format* money = workbook_add_format(book);
    format_set_num_format(money, currencyNumberFormat(currency).c_str());
    lxw_format* percent = workbook_add_format(book);
    format_set_num_format(percent, "0.00\" %\"");
    lxw_worksheet* sheet = workbook_add_worksheet(book, table.name.c_str());
    std::vector<size_t> widths(table.headers.size());
    for (size_t c = 0; c < table.headers.size(); ++c) {
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), table.headers[c].c_str(),
                               header);
        widths[c] = table.headers[c].size();
    }
    for (size_t r = 0; r < table.rows.size(); ++r)
        for (size_t c = 0; c < table.rows[r].size(); ++c) {
            const SheetCell& cell = table.rows[r][c];
            const auto row = static_cast<lxw_row_t>(r + 1);
            const auto col = static_cast<lxw_col_t>(c);
            if (cell.kind == SheetCell::Kind::Text)
                worksheet_write_string(sheet, row, col, cell.text.c_str(), nullptr);
            else
                worksheet_write_number(sheet, row, col, cell.number,
                                       cell.kind == SheetCell::Kind::Money     ? money
                                       : cell.kind == SheetCell::Kind::Percent ? percent
                                                                               : nullptr);
            if (c < widths.size())
                widths[c] = std::max(widths[c], cell.kind == SheetCell::Kind::Text
                                                    ? cell.text.size()
                                                    : currency(cell.number).size());
        }
    setWidths(sheet, widths);
    worksheet_freeze_panes(sheet, 1, 0);
    if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR)
        return {path, false, lxw_strerror(error)};
    return putInPlace(made, path);
}

} // namespace selvane
