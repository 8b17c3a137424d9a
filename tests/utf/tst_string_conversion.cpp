#include "tests/utf/reference_conversion.h"
#include "tests/utf/units.h"
#include "utf/conversion_chunk.h"
#include "utf/utf.h"

#include <QString>
#include <QtTest>

#include <random>

// Tables of edge cases, then the conversions compared with the plain Codepoint algorithm on
// every code point and on generated valid and broken input.

namespace {

// What the strict columns hold where the conversion throws.
const QVector<uint> throws{0xDEAD0000};
const QByteArray throws_bytes("<throws>");

constexpr int generated_inputs = 3000;

std::wstring wide(const QString& text) {
    std::wstring result;
    for (const QChar unit : text)
        result += static_cast<wchar_t>(unit.unicode());
    return result;
}

// Scalar values from every encoded length, and now and then U+FFFD.
uint random_code_point(std::mt19937& random) {
    static const uint limits[] = {0x7F, 0x7FF, 0xFFFF, 0x10FFFF};
    const uint limit = limits[random() % 4];
    const uint value = std::uniform_int_distribution<uint>(0, limit)(random);
    if (value >= 0xD800 && value <= 0xDFFF)
        return 0xFFFD;
    return value;
}

QString random_text(std::mt19937& random, int length) {
    QVector<uint> code_points(length);
    for (uint& code_point : code_points)
        code_point = random_code_point(random);
    return QString::fromUcs4(code_points.data(), code_points.size());
}

// Overwrites a few elements with values that often break the encoding.
template <class Text> Text damaged(Text text, std::mt19937& random, uint max_value) {
    const int damage = text.size() == 0 ? 0 : static_cast<int>(random() % 3);
    for (int i = 0; i < damage; ++i)
        text[random() % text.size()] = static_cast<typename Text::value_type>(
            random() % 2 ? 0xD800 + random() % 0x800 : random() % (max_value + 1));
    return text;
}

} // namespace

class TestStringConversion : public QObject {
    Q_OBJECT

private slots:
    void utf8_to_utf16_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QVector<uint>>("strict");
        QTest::addColumn<QVector<uint>>("safe");
        QTest::newRow("empty") << QByteArray() << QVector<uint>{} << QVector<uint>{};
        const QVector<uint> mixed{0x61, 0xE9, 0x20AC, 0xD83D, 0xDE00, 0};
        QTest::newRow("mixed") << QByteArray("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\0", 11) << mixed
                               << mixed;
        QTest::newRow("truncated") << QByteArray("\xC3") << throws << QVector<uint>{0xFFFD};
        QTest::newRow("failed continuation taken") << QByteArray("\xC3\x28\x41\x42\x43") << throws
                                                   << QVector<uint>{0xFFFD, 0x41, 0x42, 0x43};
        QTest::newRow("lone continuation")
            << QByteArray("\x41\x80\x42") << throws << QVector<uint>{0x41, 0xFFFD, 0x42};
        QTest::newRow("U+FFFD") << QByteArray("\xEF\xBF\xBD") << throws << QVector<uint>{0xFFFD};
        QTest::newRow("overlong U+FFFD")
            << QByteArray("\xF0\x8F\xBF\xBD") << throws << QVector<uint>{0xFFFD};
        const QVector<uint> let_through{0, 0xDBF6, 0xDC00, 0xD800, 0xDC00};
        QTest::newRow("overlong, surrogate, above 10FFFF")
            << QByteArray("\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80") << let_through << let_through;
    }

    void utf8_to_utf16() {
        QFETCH(QByteArray, input);
        QFETCH(QVector<uint>, strict);
        QFETCH(QVector<uint>, safe);
        const auto result = reference::strict([&] { return units(utf::s2ws_utf(bytes(input))); });
        QCOMPARE(result.value_or(throws), strict);
        QCOMPARE(units(utf::s2ws_utf_safe(bytes(input))), safe);
    }

    void utf16_to_utf8_data() {
        QTest::addColumn<QVector<uint>>("input");
        QTest::addColumn<QByteArray>("strict");
        QTest::addColumn<QByteArray>("safe");
        QTest::newRow("empty") << QVector<uint>{} << QByteArray() << QByteArray();
        const QByteArray mixed("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\0", 11);
        QTest::newRow("mixed") << QVector<uint>{0x61, 0xE9, 0x20AC, 0xD83D, 0xDE00, 0} << mixed
                               << mixed;
        QTest::newRow("high at end")
            << QVector<uint>{0x41, 0xD800} << throws_bytes << QByteArray("A\xEF\xBF\xBD");
        QTest::newRow("lone low") << QVector<uint>{0xDC00} << throws_bytes
                                  << QByteArray("\xEF\xBF\xBD");
        QTest::newRow("second unit taken")
            << QVector<uint>{0xD800, 0x41, 0x42} << throws_bytes << QByteArray("\xEF\xBF\xBD\x42");
        if (sizeof(wchar_t) > 2)
            QTest::newRow("low 16 bits")
                << QVector<uint>{0x10041, 0x1D83D, 0xDE00} << QByteArray("A\xF0\x9F\x98\x80")
                << QByteArray("A\xF0\x9F\x98\x80");
        QTest::newRow("U+FFFD") << QVector<uint>{0xFFFD} << throws_bytes
                                << QByteArray("\xEF\xBF\xBD");
    }

    void utf16_to_utf8() {
        QFETCH(QVector<uint>, input);
        QFETCH(QByteArray, strict);
        QFETCH(QByteArray, safe);
        const auto result = reference::strict([&] { return bytes(utf::ws2s_utf(wide(input))); });
        QCOMPARE(result.value_or(throws_bytes), strict);
        QCOMPARE(bytes(utf::ws2s_utf_safe(wide(input))), safe);
    }

    // A sequence that starts in the last unit of a chunk and ends in the next one, after input
    // that yields the most output per unit, so that the output overruns the chunk's share.
    void across_chunk_edge_data() {
        QTest::addColumn<QByteArray>("utf8_end");
        QTest::addColumn<QVector<uint>>("utf16_end");
        QTest::newRow("whole sequence")
            << QByteArray("\xF0\x9F\x98\x80z") << QVector<uint>{0xD83D, 0xDE00, 'z'};
        QTest::newRow("failed unit taken")
            << QByteArray("\xC3\x28z") << QVector<uint>{0xD800, 0x41, 'z'};
    }

    void across_chunk_edge() {
        QFETCH(QByteArray, utf8_end);
        QFETCH(QVector<uint>, utf16_end);
        const std::size_t before_edge = utf::conversion_chunk_length - 1;
        QVERIFY(reference::library_agrees(std::string(before_edge, 'a') + bytes(utf8_end)));
        QVERIFY(reference::library_agrees(std::wstring(before_edge, 0x20AC) + wide(utf16_end)));
    }

    void every_code_point() {
        QVector<uint> code_points;
        for (uint value = 0; value <= 0x10FFFF; ++value)
            if ((value < 0xD800 || value > 0xDFFF) && value != 0xFFFD)
                code_points.append(value);
        const QString text = QString::fromUcs4(code_points.data(), code_points.size());
        QVERIFY(reference::library_agrees(bytes(text.toUtf8())));
        QVERIFY(reference::library_agrees(wide(text)));
    }

    void generated_texts() {
        std::mt19937 random(8);
        for (int i = 0; i < generated_inputs; ++i) {
            const QString text = random_text(random, random() % 40);
            const std::string utf8 = damaged(bytes(text.toUtf8()), random, 0xFF);
            const std::wstring utf16 = damaged(wide(text), random, 0xFFFF);
            QVERIFY2(reference::library_agrees(utf8), QByteArray::number(i));
            QVERIFY2(reference::library_agrees(utf16), QByteArray::number(i));
        }
    }
};

QTEST_APPLESS_MAIN(TestStringConversion)
#include "tst_string_conversion.moc"
