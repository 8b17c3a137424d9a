#include "tests/utf/reference_conversion.h"
#include "tests/utf/units.h"
#include "utf/utf.h"

#include <QString>
#include <QtTest>

#include <random>

// Compares the conversions with the plain Codepoint algorithm on generated valid and broken
// input, and with Qt's own UTF-8 codec wherever the input is well-formed text without U+FFFD.

namespace {

constexpr int generated_inputs = 3000;

QString qt_string(const std::wstring& text) {
    QString result;
    for (const wchar_t unit : text)
        result.append(QChar(static_cast<ushort>(unit)));
    return result;
}

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

void check_bytes(const std::string& input) {
    QCOMPARE(units(utf::s2ws_utf_safe(input)), units(reference::s2ws_utf(input, true)));
    const auto result = reference::strict([&] { return utf::s2ws_utf(input); });
    QCOMPARE(result, reference::strict([&] { return reference::s2ws_utf(input, false); }));

    const QString qt = QString::fromUtf8(input.data(), static_cast<int>(input.size()));
    if (qt.contains(QChar(0xFFFD)) || qt.toUtf8() != bytes(input))
        return;
    QVERIFY(result);
    QCOMPARE(units(*result), units(wide(qt)));
    QCOMPARE(bytes(utf::ws2s_utf(*result)), bytes(input));
}

void check_units(const std::wstring& input) {
    QCOMPARE(bytes(utf::ws2s_utf_safe(input)), bytes(reference::ws2s_utf(input, true)));
    const auto result = reference::strict([&] { return utf::ws2s_utf(input); });
    QCOMPARE(result, reference::strict([&] { return reference::ws2s_utf(input, false); }));

    const QString qt = qt_string(input);
    if (qt.contains(QChar(0xFFFD)) || !qt.isValidUtf16())
        return;
    QVERIFY(result);
    QCOMPARE(bytes(*result), qt.toUtf8());
    QCOMPARE(units(utf::s2ws_utf(*result)), units(input));
}

} // namespace

class TestDifferential : public QObject {
    Q_OBJECT

private slots:
    void every_code_point() {
        QVector<uint> code_points;
        for (uint value = 0; value <= 0x10FFFF; ++value)
            if ((value < 0xD800 || value > 0xDFFF) && value != 0xFFFD)
                code_points.append(value);
        const QString text = QString::fromUcs4(code_points.data(), code_points.size());
        check_bytes(bytes(text.toUtf8()));
        check_units(wide(text));
    }

    void generated_utf8() {
        std::mt19937 random(8);
        for (int i = 0; i < generated_inputs && !QTest::currentTestFailed(); ++i) {
            const std::string input =
                damaged(bytes(random_text(random, random() % 40).toUtf8()), random, 0xFF);
            check_bytes(input);
            if (QTest::currentTestFailed())
                qWarning() << "input" << bytes(input).toHex(' ');
        }
    }

    void generated_utf16() {
        std::mt19937 random(16);
        for (int i = 0; i < generated_inputs && !QTest::currentTestFailed(); ++i) {
            const std::wstring input =
                damaged(wide(random_text(random, random() % 40)), random, 0xFFFF);
            check_units(input);
            if (QTest::currentTestFailed())
                qWarning() << "input" << units(input);
        }
    }

    void long_texts() {
        std::mt19937 random(32);
        const QString text = random_text(random, 100000);
        check_bytes(bytes(text.toUtf8()));
        check_bytes(damaged(bytes(text.toUtf8()), random, 0xFF));
        check_units(wide(text));
        check_units(damaged(wide(text), random, 0xFFFF));
    }
};

QTEST_APPLESS_MAIN(TestDifferential)
#include "tst_differential.moc"
