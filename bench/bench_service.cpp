// Handling a queryExpense reply, against libxml2's bare SAX2 parse of the same bytes.
//
// "unwrap" is ServiceReply::unwrap as the app runs it: the envelope read into a document
// dictionary, the return text taken out, and that text read into the reply document.
// "handling" is everything the payment screen waits for: the return text taken out, read into
// a PayModel with its bill records, and the eight rows with the sums per kind.
// The yardstick is the least any parser must do for the same two levels: libxml2 SAX2 with
// empty callbacks, only collecting the return text's bytes between the two parses. Every
// iteration times the yardstick and the measured work back to back (Paired.h); the medians of
// the ratios are printed at the end of the run for each reply size.

#include "Paired.h"
#include "RatioReporter.h"
#include "billing/ArrearsReply.h"
#include "billing/PaymentRows.h"
#include "service/DocumentDictionary.h"
#include "service/ServiceReply.h"

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <string>

namespace {

const int billCounts[] = {1, 24, 1000};

std::string escaped(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void field(std::string &out, const char *name, const std::string &value)
{
    out += '<';
    out += name;
    out += '>';
    out += value;
    out += "</";
    out += name;
    out += '>';
}

// The reply as the service writes it: no white space, each bill entry with its 12 fields,
// the inner document escaped inside `return`.
QByteArray queryExpenseReply(int bills)
{
    std::string inner = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><queryOweAmtYxResponse>";
    field(inner, "acctOrgName", "青岛市水电燃气公司");
    field(inner, "acctOrgNo", "3702");
    field(inner, "addr", "青岛市市南区香港中路 10 号 2 单元 301");
    field(inner, "consName", "王 &amp; 李");
    field(inner, "consNo", "1000001");
    field(inner, "orgName", "市南营业厅");
    field(inner, "orgNo", "370201");
    field(inner, "prePayAmt", "0.00");
    field(inner, "rcvblAmt", "1234.56");
    field(inner, "recordCount", std::to_string(bills));
    field(inner, "replyCode", "0000");
    field(inner, "returnCode", "1");
    field(inner, "returnMsg", "查询成功!");
    field(inner, "totalOweAmt", "1234.56");
    field(inner, "totalPenAlty", "12.30");
    field(inner, "totalRcvBlamt", "1222.26");
    field(inner, "totalRcvedAmt", "0.00");
    inner += "<queryList>";
    for (int i = 0; i < bills; ++i) {
        const std::string amount = std::to_string(20 + i % 80) + "." + std::to_string(10 + i % 90);
        inner += "<queryList>";
        field(inner, "acctOrgNo", "3702");
        field(inner, "consNo", "1000001");
        field(inner, "oweAmt", amount);
        field(inner, "rcvType", std::string(1, "WPG"[i % 3]));
        field(inner, "rcvblAmt", amount);
        field(inner, "rcvblAmtId", "2024" + std::to_string(100000 + i));
        field(inner, "rcvblPenAlty", "0.35");
        field(inner, "rcvblYm", std::to_string(202401 + i % 12));
        field(inner, "rcvedAmt", "0.00");
        field(inner, "tpq", std::to_string(i % 4));
        field(inner, "orgNo", "370201");
        field(inner, "remark", "");
        inner += "</queryList>";
    }
    inner += "</queryList></queryOweAmtYxResponse>";

    const std::string outer =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
        "<ns0:queryExpenseResponse xmlns:ns0=\"http://service.trvo.tarvo.cn/\"><return>" +
        escaped(inner) + "</return></ns0:queryExpenseResponse></soap:Body></soap:Envelope>";
    return QByteArray(outer.data(), qsizetype(outer.size()));
}

struct OuterParse
{
    bool inReturn = false;
    std::string returnText;
};

void outerStart(void *context, const xmlChar *localName, const xmlChar *, const xmlChar *, int,
                const xmlChar **, int, int, const xmlChar **)
{
    if (xmlStrEqual(localName, BAD_CAST "return"))
        static_cast<OuterParse *>(context)->inReturn = true;
}

void outerEnd(void *context, const xmlChar *, const xmlChar *, const xmlChar *)
{
    static_cast<OuterParse *>(context)->inReturn = false;
}

void outerCharacters(void *context, const xmlChar *text, int length)
{
    auto *parse = static_cast<OuterParse *>(context);
    if (parse->inReturn)
        parse->returnText.append(reinterpret_cast<const char *>(text), length);
}

void innerStart(void *, const xmlChar *, const xmlChar *, const xmlChar *, int, const xmlChar **,
                int, int, const xmlChar **)
{}
void innerEnd(void *, const xmlChar *, const xmlChar *, const xmlChar *) {}
void innerCharacters(void *, const xmlChar *, int) {}

xmlSAXHandler saxHandler(bool outer)
{
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = outer ? outerStart : innerStart;
    handler.endElementNs = outer ? outerEnd : innerEnd;
    handler.characters = outer ? outerCharacters : innerCharacters;
    return handler;
}

bool yardstickParse(const QByteArray &body, xmlSAXHandler &outerHandler,
                    xmlSAXHandler &innerHandler)
{
    OuterParse outer;
    if (xmlSAXUserParseMemory(&outerHandler, &outer, body.constData(), int(body.size())) != 0)
        return false;
    return xmlSAXUserParseMemory(&innerHandler, nullptr, outer.returnText.data(),
                                 int(outer.returnText.size())) == 0;
}

// Everything the payment screen waits for: the reply unwrapped, its model, the eight rows.
QStringList handled(const QByteArray &body)
{
    const ArrearsReply::Outcome outcome = ArrearsReply::read(
        ServiceReply::unwrap(ServiceOperation::queryExpense, body, ServiceReply::Reading::textOnly)
            .returnText);
    return PaymentRows::values(outcome.model);
}

void unwrap(benchmark::State &state)
{
    const int bills = int(state.range(0));
    const QByteArray body = queryExpenseReply(bills);
    const ServiceReply check = ServiceReply::unwrap(ServiceOperation::queryExpense, body);
    if (!check.replyDocument ||
        DocumentDictionary::elements(
            DocumentDictionary::valueAt(*check.replyDocument,
                                        {u"queryOweAmtYxResponse", u"queryList", u"queryList"}))
                .size() != bills) {
        state.SkipWithError("the reply did not unwrap to its bills");
        return;
    }
    xmlSAXHandler outerHandler = saxHandler(true);
    xmlSAXHandler innerHandler = saxHandler(false);
    if (!yardstickParse(body, outerHandler, innerHandler)) {
        state.SkipWithError("libxml2 refused the reply");
        return;
    }
    runPaired(
        state, [&] { return yardstickParse(body, outerHandler, innerHandler); },
        [&] { return ServiceReply::unwrap(ServiceOperation::queryExpense, body); });
}

void handling(benchmark::State &state)
{
    const int bills = int(state.range(0));
    const QByteArray body = queryExpenseReply(bills);
    const ArrearsReply::Outcome check = ArrearsReply::read(
        ServiceReply::unwrap(ServiceOperation::queryExpense, body, ServiceReply::Reading::textOnly)
            .returnText);
    if (check.model.queryList.size() != bills) {
        state.SkipWithError("the reply did not map to its bills");
        return;
    }
    xmlSAXHandler outerHandler = saxHandler(true);
    xmlSAXHandler innerHandler = saxHandler(false);
    runPaired(
        state, [&] { return yardstickParse(body, outerHandler, innerHandler); },
        [&] { return handled(body); });
}

} // namespace

int main(int argc, char **argv)
{
    xmlInitParser();
    for (int bills : billCounts) {
        for (auto [name, function] : {std::pair{"unwrap", &unwrap}, {"handling", &handling}}) {
            benchmark::RegisterBenchmark(name, function)
                ->Arg(bills)
                ->Unit(benchmark::kMicrosecond)
                ->MinTime(0.2)
                ->Repetitions(7)
                ->ReportAggregatesOnly(true)
                ->UseManualTime();
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    for (const char *measured : {"unwrap", "handling"}) {
        std::printf("\n%s / yardstick, paired (median of 7 runs)\n", measured);
        for (int bills : billCounts) {
            const auto found = reporter.paired.find({measured, std::to_string(bills)});
            if (found != reporter.paired.end())
                std::printf("%5d bills: %9.1f us / %9.1f us = %.2fx\n", bills,
                            found->second.workMicroseconds, found->second.yardstickMicroseconds,
                            found->second.ratio);
        }
    }
    benchmark::Shutdown();
    return 0;
}
