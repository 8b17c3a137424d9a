#include "utf/conversion_chunk.h"
#include "utf/utf.h"

#include <QtTest>

#include <stdexcept>

namespace {

// Units in hexadecimal separated by spaces, "C3 A9" or "D83D DE00"; "41*20" is 41 twenty times.
template <class Text> Text parsed(const char* hex) {
    Text text;
    for (const QString& unit : QString(hex).split(' ', Qt::SkipEmptyParts)) {
        const uint count = unit.contains('*') ? unit.section('*', 1).toUInt() : 1;
        text.append(count, typename Text::value_type(unit.section('*', 0, 0).toUInt(nullptr, 16)));
    }
    return text;
}

template <class Text> QString hex(const Text& text) {
    QStringList units;
    for (const auto unit : text)
        units << QString::number(uint(unit) & (sizeof unit == 1 ? 0xFFu : ~0u), 16).toUpper();
    return units.join(' ');
}

// An input, what the strict conversion gives ("throws" for invalid_encoding_exception) and,
// where it differs, what the safe one gives.
using Case = const char* const[3];

template <class In, class Out>
void check(const Case& c, Out (*strict)(const In&), Out (*safe)(const In&)) {
    const In input = parsed<In>(c[0]);
    const QString expected = QString(c[1]) == "throws" ? c[1] : hex(parsed<Out>(c[1]));
    QString result = "throws";
    try {
        result = hex(strict(input));
    } catch (const utf::invalid_encoding_exception&) {
    }
    QCOMPARE(result, expected);
    QCOMPARE(hex(safe(input)), c[2] ? hex(parsed<Out>(c[2])) : expected);
}

} // namespace

class UtfTest : public QObject {
    Q_OBJECT

private slots:
    // Overlong forms, surrogate values and values up to 1FFFFF are let through; a continuation
    // byte that fails its test is taken with the sequence. ASCII runs are copied in blocks.
    void convertsUtf8() {
        const Case cases[] = {
            {"", ""},
            {"61 C3 A9 E2 82 AC F0 9F 98 80 0", "61 E9 20AC D83D DE00 0"},
            {"7F C2 80 DF BF E0 A0 80 ED 9F BF", "7F 80 7FF 800 D7FF"},
            {"ED A0 80 ED BF BF EE 80 80 EF BF BF", "DBF6 DC00 DBF7 DFFF E000 FFFF"},
            {"F0 90 80 80 F4 8F BF BF F4 90 80 80", "D800 DC00 DBFF DFFF D800 DC00"},
            {"F7 BF BF BF C0 80", "DBBF DFFF 0"},
            {"41*20 C3 A9 41*17", "41*20 E9 41*17"},
            {"EF BF BD", "throws", "FFFD"},
            {"F0 8F BF BD", "throws", "FFFD"},
            {"C3", "throws", "FFFD"},
            {"E2 82", "throws", "FFFD"},
            {"F0 9F 98", "throws", "FFFD"},
            {"C3 28 41 42", "throws", "FFFD 41 42"},
            {"41 80 42", "throws", "41 FFFD 42"},
            {"F8 88 80", "throws", "FFFD FFFD FFFD"},
            {"E2 82 E2 82 AC", "throws", "FFFD FFFD FFFD"}};
        for (const Case& c : cases)
            check(c, utf::s2ws_utf, utf::s2ws_utf_safe);
    }

    // A high surrogate takes the unit after it along; only the low 16 bits of a unit count.
    void convertsUtf16() {
        const Case cases[] = {
            {"", ""},
            {"61 E9 20AC D83D DE00 0", "61 C3 A9 E2 82 AC F0 9F 98 80 0"},
            {"7F 80 7FF 800 D7FF E000", "7F C2 80 DF BF E0 A0 80 ED 9F BF EE 80 80"},
            {"FFFF DBFF DFFF 10041 1D83D DE00", "EF BF BF F4 8F BF BF 41 F0 9F 98 80"},
            {"41*20 E9 41*17", "41*20 C3 A9 41*17"},
            {"41 D800", "throws", "41 EF BF BD"},
            {"DC00", "throws", "EF BF BD"},
            {"D800 41 42", "throws", "EF BF BD 42"},
            {"DBFF D800", "throws", "EF BF BD"},
            {"FFFD", "throws", "EF BF BD"}};
        for (const Case& c : cases)
            check(c, utf::ws2s_utf, utf::ws2s_utf_safe);
    }

    // A sequence that starts in the last unit of a chunk, after input that yields the most
    // output per unit, and ends in the next chunk, whole or failed.
    void convertsAcrossChunkEdge() {
        const std::string bytes(utf::conversion_chunk_length - 1, 'a');
        const std::wstring units(bytes.begin(), bytes.end());
        QVERIFY(utf::s2ws_utf(bytes + "\xF0\x9F\x98\x80z") == units + L"\xD83D\xDE00z");
        QVERIFY(utf::s2ws_utf_safe(bytes + "\xC3(z") == units + L"\xFFFDz");
        const std::wstring euros(bytes.size(), 0x20AC);
        const std::string euroBytes = QString(int(euros.size()), QChar(0x20AC)).toStdString();
        QVERIFY(utf::ws2s_utf(euros + L"\xD83D\xDE00z") == euroBytes + "\xF0\x9F\x98\x80z");
        QVERIFY(utf::ws2s_utf_safe(euros + L"\xD800" + L"Az") == euroBytes + "\xEF\xBF\xBDz");
    }

    // Codepoint reads one sequence and leaves the rest; a value beyond every sequence has no UTF-8
    // form. An exhausted source, and any failure to the safe decoder, gives INVALID.
    void readsAndWritesCodepoints() {
        const std::string bytes = "\xF0\x9F\x98\x80!";
        const std::wstring units = L"\x1D83D\xDE00!";
        std::size_t byte = 0, unit = 0;
        const auto read = utf::Codepoint::input(utf::byte_source(
            [&](char& c) { return byte < bytes.size() && (c = bytes[byte++], true); }));
        QCOMPARE(read.value + byte, 0x1F600u + 4);
        const auto readUnits = utf::Codepoint::input(utf::wide_source(
            [&](wchar_t& u) { return unit < units.size() && (u = units[unit++], true); }));
        QCOMPARE(readUnits.value + unit, 0x1F600u + 2);
        std::string written;
        std::wstring writtenUnits;
        utf::Codepoint{0x200000}.output(utf::byte_sink([&](char b) { written += b; }));
        utf::Codepoint{0x200000}.output(utf::wide_sink([&](wchar_t u) { writtenUnits += u; }));
        QCOMPARE(hex(written) + ", " + hex(writtenUnits), QString("EF BF BD, DBC0 DC00"));
        const auto exhausted = [](auto&) { return false; };
        QVERIFY(utf::Codepoint::input(utf::byte_source(exhausted)) == utf::Codepoint::INVALID);
        QVERIFY(utf::Codepoint::input(utf::wide_source(exhausted)) == utf::Codepoint::INVALID);
        QVERIFY(utf::Codepoint::input_safe(utf::byte_source()) == utf::Codepoint::INVALID);
        const auto failing = [](auto&) -> bool { throw std::runtime_error("source failed"); };
        QVERIFY_EXCEPTION_THROWN(utf::Codepoint::input(utf::wide_source(failing)),
                                 std::runtime_error);
        QVERIFY(utf::Codepoint::input_safe(utf::wide_source(failing)) == utf::Codepoint::INVALID);
    }
};

QTEST_APPLESS_MAIN(UtfTest)
#include "tst_utf.moc"
