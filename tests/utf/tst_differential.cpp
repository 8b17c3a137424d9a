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
    QVERIFY(reference::library_agrees(input));
    const QString qt = QString::fromUtf8(input.data(), static_cast<int>(input.size()));
    if (qt.contains(QChar(0xFFFD)) || qt.toUtf8() != bytes(input))
        return;
    const std::wstring result = utf::s2ws_utf(input);
    QCOMPARE(units(result), units(wide(qt)));
    QCOMPARE(bytes(utf::ws2s_utf(result)), bytes(input));
}

void check_units(const std::wstring& input) {
    QVERIFY(reference::library_agrees(input));
    const QString qt = qt_string(input);
    if (qt.contains(QChar(0xFFFD)) || !qt.isValidUtf16())
        return;
    QCOMPARE(bytes(utf::ws2s_utf(input)), qt.toUtf8());
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

    void generated_texts() {
        std::mt19937 random(8);
        for (int i = 0; i < generated_inputs && !QTest::currentTestFailed(); ++i) {
            const QString text = random_text(random, random() % 40);
            const std::string utf8 = damaged(bytes(text.toUtf8()), random, 0xFF);
            const std::wstring utf16 = damaged(wide(text), random, 0xFFFF);
            check_bytes(utf8);
            check_units(utf16);
            if (QTest::currentTestFailed())
                qWarning() << "input" << bytes(utf8).toHex(' ') << units(utf16);
        }
    }
};

QTEST_APPLESS_MAIN(TestDifferential)
#include "tst_differential.moc"
