#include "cli/state_json.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "core/number_text.h"
#include "core/utf8.h"

namespace selvane {

namespace {

// For each byte: 0 when it stands as it is, else the letter after the backslash ('u' for the
// \u00XX form).
constexpr std::array<char, 256> kEscapes = [] {
    std::array<char, 256> t{};
    for (int c = 0; c < 0x20; ++c)
        t[static_cast<size_t>(c)] = 'u';
    t['"'] = '"';
    t['\\'] = '\\';
    t['\r'] = 'r';
    t['\n'] = 'n';
    t['\t'] = 't';
    t['\b'] = 'b';
    t['\f'] = 'f';
    return t;
}();

// Writes the bytes of s from i up to stop as the inside of a JSON string, and moves i past them
// (a sequence that starts before stop is taken whole). dst must have room for 6 bytes per byte,
// and one more. A byte that is not part of well-formed UTF-8 becomes U+FFFD, so that what is
// written is always valid JSON, whatever bytes a field was given. A long report is escaped at
// memory speed this way, with no growth checks per character.
char* escapeInto(char* dst, std::string_view s, size_t& i, size_t stop) {
    static constexpr char kHex[] = "0123456789abcdef";
    while (i < stop) {
        const char c = s[i];
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) [[unlikely]] {
            const Utf8Char seq = decodeUtf8(s, i);
            if (seq.valid) {
                for (size_t k = 0; k < seq.length; ++k)
                    *dst++ = s[i + k];
            } else {
                *dst++ = '\xEF';
                *dst++ = '\xBF';
                *dst++ = '\xBD';
            }
            i += seq.length;
            continue;
        }
        const char e = kEscapes[u];
        // Written without a branch on the common escapes: a report has a tab every few
        // characters, and a mispredicted branch on each would cost more than the copying.
        dst[0] = e != 0 ? '\\' : c;
        dst[1] = e;
        dst += e != 0 ? 2 : 1;
        if (e == 'u') [[unlikely]] {
            *dst++ = '0';
            *dst++ = '0';
            *dst++ = kHex[u >> 4];
            *dst++ = kHex[u & 15];
        }
        ++i;
    }
    return dst;
}

// The inside of a JSON string, escaped a piece at a time through a buffer of fixed size: a
// field or a topic can be tens of megabytes, and a copy of six times its size would be needless.
void writeEscaped(std::ostream& out, std::string_view s) {
    constexpr size_t kPiece = 4096;
    char buffer[kPiece * 6 + 1];
    for (size_t i = 0; i < s.size();) {
        const char* end = escapeInto(buffer, s, i, std::min(s.size(), i + kPiece));
        out.write(buffer, end - buffer);
    }
}

void jsonString(std::ostream& out, std::string_view s) {
    out.put('"');
    writeEscaped(out, s);
    out.put('"');
}

void jsonNumber(std::ostream& out, const std::optional<double>& v) {
    if (v)
        out << roundTripText(*v);
    else
        out << "null";
}

std::string colour(std::uint32_t rgb) {
    char buf[sizeof "#RRGGBB"];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buf;
}

// ,"payoff":"YYYY-MM-DD": the date of the plan's payment n, null where it has none.
void writePayoff(std::ostream& out, const std::optional<CivilDate>& on) {
    out << ",\"payoff\":";
    if (on)
        out << '"' << isoDateText(*on) << '"';
    else
        out << "null";
}

// The What If window's figures: the extras against the plan (null where extras do not apply),
// the found rate (null before any search) and the kept plan (null while nothing is kept). With
// calendarMembers, each schedule's payoff date.
void writeWhatIfJson(std::ostream& out, const PlanOverTime& c, bool rateChangeMembers,
                     bool calendarMembers) {
    const char* separator = "{";
    auto member = [&](const char* name, const std::optional<double>& v) {
        out << separator << '"' << name << "\":";
        // JSON has no infinity: a figure too large for a double is shown as unknown.
        jsonNumber(out, v && std::isfinite(*v) ? v : std::nullopt);
        separator = ",";
    };
    auto message = [&](const char* name, const std::string& text) {
        out << separator << '"' << name << "\":";
        jsonString(out, text);
        separator = ",";
    };
    out << ",\"plan\":";
    if (const auto& p = c.solved) {
        member("amountFinanced", p->amountFinanced);
        member("periodRate", p->periodRate);
        member("payment", p->payment);
        member("endAmount", p->endAmount);
        member("payments", static_cast<double>(p->payments));
        member("paymentsPerMonth", p->paymentsPerMonth);
    } else {
        message("message", c.noPlan);
    }
    out << '}';
    separator = "{";
    out << ",\"whatIf\":";
    if (c.extrasUnavailable()) {
        out << "null";
    } else if (const auto w = c.whatIf()) {
        member("extra", w->extras.extra);
        member("from", static_cast<double>(w->extras.from));
        member("lump", w->extras.lump);
        member("at", static_cast<double>(w->extras.at));
        member("payments", static_cast<double>(w->payments));
        member("lastPayment", w->lastPayment);
        member("totalPaid", w->totalPaid);
        member("totalInterest", w->totalInterest);
        member("interestSaved", w->interestSaved);
        member("paymentsSaved", static_cast<double>(w->paymentsSaved));
        member("yearsSaved", w->yearsSaved);
        if (calendarMembers)
            writePayoff(out, c.dateOf(w->payments));
        if (!w->note.empty())
            message("note", w->note);
        if (rateChangeMembers) {
            out << ",\"rateChange\":";
            separator = "{";
            if (const auto r = c.rateChangeFigures()) {
                member("apr", r->input.apr);
                member("from", static_cast<double>(r->input.from));
                message("keep", r->input.keepEndDate ? "term" : "payment");
                if (!r->message.empty()) {
                    message("message", r->message);
                } else {
                    member("payment", r->payment);
                    member("payments", static_cast<double>(r->payments));
                    member("lastPayment", r->lastPayment);
                    member("totalPaid", r->totalPaid);
                    member("totalInterest", r->totalInterest);
                    member("extraInterest", r->extraInterest);
                    member("paymentsChange", static_cast<double>(r->paymentsChange));
                    member("yearsChange", r->yearsChange);
                    if (calendarMembers)
                        writePayoff(out, c.dateOf(r->payments));
                }
                out << '}';
            } else {
                out << "null";
            }
            out << ",\"shock\":";
            if (const auto shock = c.shock()) {
                for (size_t i = 0; i < shock->size(); ++i) {
                    out << (i == 0 ? "[" : ",");
                    separator = "{";
                    member("points", (*shock)[i].points);
                    member("payment", (*shock)[i].payment);
                    member("totalInterest", (*shock)[i].totalInterest);
                    out << '}';
                }
                out << ']';
            } else {
                out << "null";
            }
        }
        out << '}';
    } else {
        message("message", c.noFigures());
        out << '}';
    }
    out << ",\"rate\":";
    separator = "{";
    if (!c.foundRate) {
        out << "null";
    } else {
        if (c.foundRate->apr) {
            member("apr", c.foundRate->apr);
            member("realApr", c.foundRate->realApr);
        } else {
            message("message", c.foundRate->message);
        }
        out << ",\"usable\":" << (c.rateUsable() ? "true" : "false") << '}';
    }
    out << ",\"rateNote\":";
    if (c.rateNote.empty())
        out << "null";
    else
        jsonString(out, c.rateNote);
    out << ",\"kept\":";
    separator = "{";
    if (const auto& k = c.kept) {
        out << "{\"mode\":";
        jsonString(out, k->mode);
        separator = ",";
        member("payment", k->payment);
        member("payments", k->payments);
        member("totalPaid", k->totalPaid);
        member("totalInterest", k->totalInterest);
        member("years", k->years);
        if (calendarMembers)
            writePayoff(out, k->payoff);
        out << '}';
    } else {
        out << "null";
    }
}

// The timeline: its events as typed, the overpayment choice, and the figures of the schedule with
// them or the sentence that says why there are none.
void writeTimelineJson(std::ostream& out, const PlanOverTime& c, bool calendarMembers) {
    out << ",\"timeline\":{\"events\":[";
    const char* comma = "";
    for (const TimelineEvent& e : c.timeline.events()) {
        out << comma << "{\"kind\":";
        comma = ",";
        auto number = [&](const char* name, double v) {
            out << ",\"" << name << "\":";
            jsonNumber(out, v);
        };
        auto word = [&](const char* name, const char* v) {
            out << ",\"" << name << "\":\"" << v << '"';
        };
        switch (e.kind) {
        case TimelineEvent::Kind::Rate:
            out << "\"rate\"";
            number("apr", e.amount);
            number("from", static_cast<double>(e.from));
            word("keep", e.keepEndDate ? "term" : "payment");
            break;
        case TimelineEvent::Kind::Extra:
            out << "\"extra\"";
            number("amount", e.amount);
            number("from", static_cast<double>(e.from));
            out << ",\"until\":";
            jsonNumber(out, e.until != 0 ? std::optional<double>(static_cast<double>(e.until))
                                         : std::nullopt);
            number("every", static_cast<double>(e.every));
            break;
        case TimelineEvent::Kind::Lump:
            out << "\"lump\"";
            number("amount", e.amount);
            number("at", static_cast<double>(e.from));
            break;
        case TimelineEvent::Kind::Holiday:
            out << "\"holiday\"";
            number("from", static_cast<double>(e.from));
            number("count", static_cast<double>(e.count));
            word("pay", e.skip ? "skip" : "interest");
            word("keep", e.keepEndDate ? "term" : "payment");
            break;
        }
        out << '}';
    }
    out << "],\"overpay\":\"" << (c.timeline.lower ? "lower" : "shorter") << '"';
    auto money = [&](const char* name, double v) {
        out << ",\"" << name << "\":";
        jsonNumber(out, std::isfinite(v) ? std::optional<double>(v) : std::nullopt);
    };
    const auto f = c.timelineFigures();
    if (!f || !f->message.empty()) {
        if (f && f->neverEnds)
            out << ",\"payments\":null";
        out << ",\"message\":";
        jsonString(out, f ? f->message : c.timelineUnavailable().value_or(""));
        out << '}';
        return;
    }
    money("payments", static_cast<double>(f->payments));
    money("lastPayment", f->lastPayment);
    money("totalPaid", f->totalPaid);
    money("totalInterest", f->totalInterest);
    money("interestChange", f->interestChange);
    money("paymentsChange", static_cast<double>(f->paymentsChange));
    if (calendarMembers)
        writePayoff(out, c.dateOf(f->payments));
    out << ",\"stretches\":[";
    comma = "";
    for (const TimelineStretch& st : f->stretches) {
        out << comma << "{\"from\":" << st.from;
        comma = ",";
        money("apr", st.apr);
        money("payment", st.payment);
        out << '}';
    }
    out << "],\"shock\":";
    if (!f->shock) {
        out << "null}";
        return;
    }
    comma = "[";
    for (const TimelineShock& sh : *f->shock) {
        out << comma << "{\"points\":";
        comma = ",";
        jsonNumber(out, sh.points);
        money("payment", sh.payment);
        money("totalInterest", sh.totalInterest);
        out << '}';
    }
    out << "]}";
}

// The calendar: its inputs, then the dated schedule's figures and calendar years, or the
// sentence that says why there are none; and `rows`, the first 24 dated rows.
void writeCalendarJson(std::ostream& out, const PlanOverTime& c) {
    const CalendarInput& in = c.calendar;
    auto date = [&](const char* name, const std::optional<CivilDate>& d) {
        out << '"' << name << "\":";
        if (d)
            out << '"' << isoDateText(*d) << '"';
        else
            out << "null";
    };
    auto number = [&](const char* name, double v) {
        out << ",\"" << name << "\":";
        jsonNumber(out, std::isfinite(v) ? std::optional<double>(v) : std::nullopt);
    };
    out << ",\"calendar\":{";
    const std::optional<PaymentDates> dates =
        c.solved ? c.paymentDates(c.solved->paymentsPerMonth) : c.paymentDates(1.0);
    date("start", in.start);
    out << ',';
    date("first", dates ? std::optional(dates->first()) : in.first);
    out << ",\"basis\":\"" << dayCountWord(in.basis) << "\",\"rounding\":\""
        << (in.cents ? "cents" : "none") << '"';
    const DatedSchedule* s = c.datedSchedule();
    if (s == nullptr) {
        out << ",\"message\":";
        jsonString(out, c.calendarUnavailable().value_or(""));
        out << "},\"rows\":[]";
        return;
    }
    out << ",\"payoff\":\"" << isoDateText(s->payoff()) << '"';
    number("payments", static_cast<double>(s->payments()));
    number("lastPayment", s->lastPayment());
    number("totalPaid", s->totalPaid());
    number("totalInterest", s->totalInterest());
    out << ",\"years\":[";
    const char* comma = "";
    for (const CalendarYear& y : s->years()) {
        out << comma << "{\"year\":" << y.year << ",\"payments\":" << y.payments;
        comma = ",";
        number("paid", y.paid);
        number("principal", y.principal);
        number("interest", y.interest);
        number("balance", y.balance);
        out << '}';
    }
    out << "]},\"rows\":[";
    comma = "";
    s->forEachRow(1, 24, [&](const DatedRow& r) {
        out << comma << "{\"n\":" << r.n << ",\"date\":\"" << isoDateText(r.date) << '"';
        comma = ",";
        number("payment", r.payment);
        number("interest", r.interest);
        number("principal", r.principal);
        number("balance", r.balance);
        out << '}';
    });
    out << ']';
}

// Compare Offers: each offer's figures (a message in place of those it cannot have), for each
// ordered pair the payment after which the first costs less for good, and the switch.
void writeOffersJson(std::ostream& out, const FinCalc& c) {
    const OfferBook& book = c.offers;
    const auto& rows = book.rows();
    auto number = [&](const char* name, double v) {
        out << ",\"" << name << "\":";
        jsonNumber(out, std::isfinite(v) ? std::optional<double>(v) : std::nullopt);
    };
    out << ",\"offers\":[";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out << (i ? "," : "") << "{\"name\":";
        jsonString(out, book.offers()[i].name);
        if (const auto& f = rows[i].figures) {
            number("payment", f->payment);
            number("payments", static_cast<double>(f->payments));
            number("totalInterest", f->totalInterest);
            number("fees", f->fees);
            number("costOfCredit", f->costOfCredit);
            number("totalPayable", f->totalPayable);
            if (f->aprc && f->apr) {
                number("aprc", *f->aprc);
                number("apr", *f->apr);
            } else {
                out << ",\"message\":";
                jsonString(out, f->rateMessage);
            }
        } else {
            out << ",\"message\":";
            jsonString(out, rows[i].why);
        }
        out << ",\"cheapest\":" << (rows[i].cheapest ? "true" : "false") << '}';
    }
    out << "],\"evenAfter\":[";
    const char* comma = "";
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = 0; j < rows.size(); ++j) {
            if (i == j)
                continue;
            out << comma << "{\"first\":";
            comma = ",";
            jsonString(out, book.offers()[i].name);
            out << ",\"second\":";
            jsonString(out, book.offers()[j].name);
            out << ",\"after\":";
            if (const auto k = book.evenAfter(i, j))
                out << *k;
            else
                out << "null";
            out << '}';
        }
    out << "],\"switch\":";
    if (!book.switching) {
        out << "null";
        return;
    }
    std::string why;
    const auto s = book.switchFigures(c.switchPlan(), why);
    if (!s) {
        out << "{\"message\":";
        jsonString(out, why);
        out << '}';
        return;
    }
    out << "{\"payment\":";
    jsonNumber(out, s->payment);
    number("savingPerPayment", s->savingPerPayment);
    out << ",\"breakEven\":";
    if (s->breakEven)
        out << *s->breakEven;
    else
        out << "null";
    number("netSaving", s->netSaving);
    if (!s->breakEven) {
        out << ",\"message\":";
        jsonString(out, book.switchTexts(c.switchPlan()).never);
    }
    out << '}';
}

// Check a Lender's Statement: the conventions found and where the statement departs from them;
// a message where a statement was refused or there is no plan to check it against.
void writeStatementJson(std::ostream& out, const FinCalc& c) {
    out << ",\"statement\":";
    const StatementCheck& check = c.statement;
    const auto message = [&](const std::string& why) {
        out << "{\"message\":";
        jsonString(out, why);
        out << '}';
    };
    if (!check.message.empty())
        return message(check.message);
    if (!check.statement) {
        out << "null";
        return;
    }
    const StatementTexts texts = c.statementTexts(false);
    const StatementMatch* m = check.match(c.statementPlan());
    if (m == nullptr)
        return message(texts.sentence);
    const auto optional = [&](const char* name, const std::optional<double>& v) {
        out << ",\"" << name << "\":";
        jsonNumber(out, v);
    };
    out << "{\"rows\":" << check.statement->rows.size() << ",\"basis\":\""
        << dayCountWord(m->convention.basis) << "\",\"rounding\":\""
        << roundingWord(m->convention.rounding) << "\",\"apr\":";
    jsonNumber(out, m->apr);
    out << ",\"aprFound\":" << (m->aprFound ? "true" : "false") << ",\"matched\":" << m->matched
        << ",\"firstDifference\":";
    if (const auto& d = m->firstDifference) {
        out << "{\"row\":" << d->row << ",\"date\":\"" << isoDateText(d->date) << "\",\"column\":\""
            << statementColumnWord(d->column) << "\",\"lender\":";
        jsonNumber(out, d->lender);
        out << ",\"ours\":";
        jsonNumber(out, std::isfinite(d->ours) ? std::optional<double>(d->ours) : std::nullopt);
        out << '}';
    } else {
        out << "null";
    }
    optional("balanceDifference", m->balanceDifference);
    optional("extraInterest", m->extraInterest);
    out << ",\"sentence\":";
    jsonString(out, texts.sentence);
    out << '}';
}

} // namespace

void writeStateJson(std::ostream& out, const FinCalc& c, bool rateChangeMembers,
                    bool timelineMembers, bool calendarMembers, bool offerMembers,
                    bool statementMembers) {
    out << "{\"caption\":";
    jsonString(out, c.caption);
    out << ",\"mode\":";
    jsonString(out, c.CalculatorMode);
    out << ",\"results\":[";
    for (size_t i = 0; i < c.cmResult.entries.size(); ++i) {
        if (i)
            out << ',';
        jsonString(out, c.cmResult.entries[i]);
    }
    out << "],\"resultType\":" << c.cmResult.selected << ",\"compound\":" << c.cmCompound.selected
        << ",\"period\":" << c.cmPeriod.selected << ",\"compoundMonths\":";
    jsonNumber(out, c.CompoundMonths);
    out << ",\"paymentsPerMonth\":";
    jsonNumber(out, c.PaymentsPerMonth);
    out << ",\"details\":" << (c.detailsChecked ? "true" : "false") << ",\"scenarioFile\":";
    jsonString(out, c.ScenarioFileName);
    out << ",\"helpTopic\":";
    jsonString(out, c.HelpTopic);
    out << ",\"comments\":";
    jsonString(out, c.comments);
    out << ",\"fields\":[";
    for (size_t i = 0; i < c.fields.size(); ++i) {
        const ParameterField& f = c.fields[i];
        if (i)
            out << ',';
        out << "{\"caption\":";
        jsonString(out, f.caption);
        out << ",\"text\":";
        jsonString(out, f.text);
        out << ",\"back\":\"" << colour(f.back) << "\",\"locked\":" << (f.locked ? "true" : "false")
            << ",\"enabled\":" << (f.enabled ? "true" : "false") << '}';
    }
    out << "],\"stored\":{";
    bool first = true;
    for (const StoredEntry& e : kStoredEntries) {
        if (!first)
            out << ',';
        first = false;
        out << '"' << e.name << "\":";
        jsonNumber(out, c.stored.*e.member);
    }
    out << "},\"report\":\"";
    // The report can be millions of lines: its rows are streamed in pieces of many thousand.
    // Rows hold only digits, signs, points and blanks besides their breaks, so written with
    // escaped breaks they need no escaping pass of their own.
    const auto& summary = c.report.summaryLines();
    for (size_t i = 0; i < summary.size(); ++i) {
        if (i > 0)
            out << "\\r\\n";
        writeEscaped(out, summary[i]);
    }
    c.report.writeRowsText(
        [&](std::string_view piece) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        },
        {"\\r\\n", "\\t"});
    // The years as the yearly summary shows them; the figures are plain decimals already.
    out << "\",\"yearly\":[";
    bool firstYear = true;
    c.yearlySummary().forEachYear([&](const YearRow& y) {
        out << (firstYear ? "" : ",") << "{\"year\":" << y.year << ",\"payments\":" << y.payments
            << ",\"principal\":" << y.principal.text() << ",\"interest\":" << y.interest.text()
            << ",\"balance\":" << y.balance.text() << '}';
        firstYear = false;
    });
    out << ']';
    writeWhatIfJson(out, c.plan, rateChangeMembers, calendarMembers);
    if (timelineMembers)
        writeTimelineJson(out, c.plan, calendarMembers);
    if (calendarMembers)
        writeCalendarJson(out, c.plan);
    if (offerMembers)
        writeOffersJson(out, c);
    if (statementMembers)
        writeStatementJson(out, c);
    // The last write to a file and how it ended; null before any.
    out << ",\"lastWrite\":";
    if (const auto& w = c.lastWrite) {
        out << "{\"path\":";
        jsonString(out, w->path);
        out << ",\"ok\":" << (w->ok ? "true" : "false") << ",\"reason\":";
        if (w->ok)
            out << "null";
        else
            jsonString(out, w->reason);
        out << '}';
    } else {
        out << "null";
    }
    out << "}\n";
}

} // namespace selvane
