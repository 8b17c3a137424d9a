#include "tests/utf/units.h"
#include "utf/utf.h"

#include <QtTest>

#include <functional>
#include <stdexcept>

namespace {

constexpr qint64 malformed = -1;

// Runs a decoder over units and returns its value (or malformed) and how many units it took.
template <class Unit, class Units>
QPair<qint64, int> decode(utf::Codepoint (*decoder)(std::function<bool(Unit&)>),
                          const Units& units) {
    int taken = 0;
    const std::function<bool(Unit&)> source = [&](Unit& unit) {
        if (taken == units.size())
            return false;
        unit = static_cast<Unit>(units[taken++]);
        return true;
    };
    try {
        return {decoder(source).value, taken};
    } catch (const utf::invalid_encoding_exception&) {
        return {malformed, taken};
    }
}

// A malformed sequence is INVALID to the safe decoder, which takes the same units.
QPair<qint64, int> safe_result(qint64 value, int taken) {
    return {value == malformed ? qint64{0xFFFD} : value, taken};
}

} // namespace

class TestCodepoint : public QObject {
    Q_OBJECT

private slots:
    void decodes_utf8_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("taken");
        QTest::newRow("nothing left") << QByteArray() << qint64{0xFFFD} << 0;
        QTest::newRow("ascii, rest untouched") << QByteArray("AB") << qint64{0x41} << 1;
        QTest::newRow("two bytes") << QByteArray("\xC3\xA9\x41") << qint64{0xE9} << 2;
        QTest::newRow("three bytes") << QByteArray("\xE2\x82\xAC") << qint64{0x20AC} << 3;
        QTest::newRow("four bytes") << QByteArray("\xF0\x9F\x98\x80") << qint64{0x1F600} << 4;
        QTest::newRow("U+FFFD itself") << QByteArray("\xEF\xBF\xBD") << qint64{0xFFFD} << 3;
        QTest::newRow("overlong NUL") << QByteArray("\xC0\x80", 2) << qint64{0} << 2;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << qint64{0xD800} << 3;
        QTest::newRow("largest") << QByteArray("\xF7\xBF\xBF\xBF") << qint64{0x1FFFFF} << 4;
        QTest::newRow("lone continuation") << QByteArray("\x80\x41") << malformed << 1;
        QTest::newRow("five-byte lead") << QByteArray("\xF8\x88\x80\x80\x80") << malformed << 1;
        QTest::newRow("truncated") << QByteArray("\xE2\x82") << malformed << 2;
        QTest::newRow("failed continuation taken") << QByteArray("\xC3\x28\x41") << malformed << 2;
        QTest::newRow("lead for continuation") << QByteArray("\xE2\x82\xE2") << malformed << 3;
    }

    void decodes_utf8() {
        QFETCH(QByteArray, input);
        QFETCH(qint64, value);
        QFETCH(int, taken);
        QCOMPARE(decode<char>(utf::Codepoint::input, input), qMakePair(value, taken));
        QCOMPARE(decode<char>(utf::Codepoint::input_safe, input), safe_result(value, taken));
    }

    void decodes_utf16_data() {
        QTest::addColumn<QVector<uint>>("input");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("taken");
        QTest::newRow("nothing left") << QVector<uint>{} << qint64{0xFFFD} << 0;
        QTest::newRow("unit, rest untouched") << QVector<uint>{0xE9, 0x41} << qint64{0xE9} << 1;
        QTest::newRow("U+FFFD itself") << QVector<uint>{0xFFFD} << qint64{0xFFFD} << 1;
        QTest::newRow("pair") << QVector<uint>{0xD83D, 0xDE00} << qint64{0x1F600} << 2;
        QTest::newRow("high at end") << QVector<uint>{0xD800} << malformed << 1;
        QTest::newRow("high, unit taken") << QVector<uint>{0xD800, 0x41} << malformed << 2;
        QTest::newRow("two highs") << QVector<uint>{0xDBFF, 0xD800} << malformed << 2;
        QTest::newRow("lone low") << QVector<uint>{0xDC00, 0xDC00} << malformed << 1;
        if (sizeof(wchar_t) > 2)
            QTest::newRow("low 16 bits") << QVector<uint>{0x10041} << qint64{0x41} << 1;
    }

    void decodes_utf16() {
        QFETCH(QVector<uint>, input);
        QFETCH(qint64, value);
        QFETCH(int, taken);
        QCOMPARE(decode<wchar_t>(utf::Codepoint::input, input), qMakePair(value, taken));
        QCOMPARE(decode<wchar_t>(utf::Codepoint::input_safe, input), safe_result(value, taken));
    }

    void encodes_data() {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QVector<uint>>("utf16");
        QTest::newRow("7F") << 0x7Fu << QByteArray("\x7F") << QVector<uint>{0x7F};
        QTest::newRow("80") << 0x80u << QByteArray("\xC2\x80") << QVector<uint>{0x80};
        QTest::newRow("7FF") << 0x7FFu << QByteArray("\xDF\xBF") << QVector<uint>{0x7FF};
        QTest::newRow("800") << 0x800u << QByteArray("\xE0\xA0\x80") << QVector<uint>{0x800};
        QTest::newRow("D7FF") << 0xD7FFu << QByteArray("\xED\x9F\xBF") << QVector<uint>{0xD7FF};
        QTest::newRow("D800") << 0xD800u << QByteArray("\xED\xA0\x80")
                              << QVector<uint>{0xDBF6, 0xDC00};
        QTest::newRow("DFFF") << 0xDFFFu << QByteArray("\xED\xBF\xBF")
                              << QVector<uint>{0xDBF7, 0xDFFF};
        QTest::newRow("E000") << 0xE000u << QByteArray("\xEE\x80\x80") << QVector<uint>{0xE000};
        QTest::newRow("FFFF") << 0xFFFFu << QByteArray("\xEF\xBF\xBF") << QVector<uint>{0xFFFF};
        QTest::newRow("10000") << 0x10000u << QByteArray("\xF0\x90\x80\x80")
                               << QVector<uint>{0xD800, 0xDC00};
        QTest::newRow("10FFFF") << 0x10FFFFu << QByteArray("\xF4\x8F\xBF\xBF")
                                << QVector<uint>{0xDBFF, 0xDFFF};
        QTest::newRow("110000") << 0x110000u << QByteArray("\xF4\x90\x80\x80")
                                << QVector<uint>{0xD800, 0xDC00};
        QTest::newRow("1FFFFF") << 0x1FFFFFu << QByteArray("\xF7\xBF\xBF\xBF")
                                << QVector<uint>{0xDBBF, 0xDFFF};
        QTest::newRow("200000") << 0x200000u << QByteArray("\xEF\xBF\xBD")
                                << QVector<uint>{0xDBC0, 0xDC00};
    }

    void encodes() {
        QFETCH(uint, value);
        QFETCH(QByteArray, utf8);
        QFETCH(QVector<uint>, utf16);
        QByteArray written_bytes;
        utf::Codepoint{value}.output(utf::byte_sink([&](char b) { written_bytes.append(b); }));
        QCOMPARE(written_bytes, utf8);
        std::wstring written_units;
        utf::Codepoint{value}.output(utf::wide_sink([&](wchar_t u) { written_units += u; }));
        QCOMPARE(units(written_units), utf16);
    }

    // Empty functions are the caller's fault; the safe decoder turns every failure into INVALID.
    void empty_or_failing_functions() {
        QVERIFY_EXCEPTION_THROWN(utf::Codepoint::input(utf::byte_source()), std::bad_function_call);
        QCOMPARE(utf::Codepoint::input_safe(utf::byte_source()), utf::Codepoint::INVALID);
        const auto failing = [](auto&) -> bool { throw std::runtime_error("source failed"); };
        QVERIFY_EXCEPTION_THROWN(utf::Codepoint::input(utf::byte_source(failing)),
                                 std::runtime_error);
        QCOMPARE(utf::Codepoint::input_safe(utf::wide_source(failing)), utf::Codepoint::INVALID);
        QCOMPARE(QByteArray(utf::invalid_encoding_exception().what()), "Invalid UTF encoding");
    }
};

QTEST_APPLESS_MAIN(TestCodepoint)
#include "tst_codepoint.moc"
