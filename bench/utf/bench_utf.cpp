// Converts 64 MiB of generated text each way with the utf string functions and with Qt's codec,
// and prints the best of several runs. Rates are in MB (10^6 bytes) of UTF-8 per second in both
// directions, so that the two directions of one text compare directly.

#include "sample_text.h"
#include "utf/utf.h"

#include <QString>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

constexpr int sample_size = 64 * 1024 * 1024;
constexpr int runs = 5;

// Best time of several runs, in seconds; keep receives each result so none is optimised away.
template <class Convert, class Keep> double best_seconds(Convert convert, Keep keep) {
    double best = 1e9;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        auto result = convert();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        keep(result);
        best = std::min(best, elapsed.count());
    }
    return best;
}

void print_row(const char* sample, const char* conversion, double bytes, double seconds,
               double qt_seconds) {
    std::printf("%-10s %-14s %9.0f %9.0f %8.2f\n", sample, conversion, bytes / seconds / 1e6,
                bytes / qt_seconds / 1e6, seconds / qt_seconds);
}

bool same_units(const std::wstring& ours, const QString& qt) {
    return std::equal(ours.begin(), ours.end(), qt.utf16(), qt.utf16() + qt.size(),
                      [](wchar_t a, ushort b) { return static_cast<ushort>(a) == b; });
}

bool bench(SampleKind kind) {
    const QByteArray utf8 = sample_text(kind, sample_size);
    const std::string bytes(utf8.constData(), utf8.size());
    const double size = bytes.size();
    const char* name = sample_name(kind);

    std::wstring wide;
    QString qt;
    const auto keep_wide = [&](std::wstring& result) { wide.swap(result); };
    const auto keep_qt = [&](QString& result) { qt.swap(result); };
    const double qt_decode = best_seconds([&] { return QString::fromUtf8(utf8); }, keep_qt);
    const double decode = best_seconds([&] { return utf::s2ws_utf(bytes); }, keep_wide);
    print_row(name, "s2ws_utf", size, decode, qt_decode);
    const double decode_safe = best_seconds([&] { return utf::s2ws_utf_safe(bytes); }, keep_wide);
    print_row(name, "s2ws_utf_safe", size, decode_safe, qt_decode);

    bool equal = same_units(wide, qt);
    std::string back;
    QByteArray qt_back;
    const auto keep_back = [&](std::string& result) { back.swap(result); };
    const auto keep_qt_back = [&](QByteArray& result) { qt_back.swap(result); };
    const double qt_encode = best_seconds([&] { return qt.toUtf8(); }, keep_qt_back);
    const double encode = best_seconds([&] { return utf::ws2s_utf(wide); }, keep_back);
    print_row(name, "ws2s_utf", size, encode, qt_encode);
    const double encode_safe = best_seconds([&] { return utf::ws2s_utf_safe(wide); }, keep_back);
    print_row(name, "ws2s_utf_safe", size, encode_safe, qt_encode);
    return equal && back == bytes && qt_back == utf8;
}

} // namespace

int main() {
    std::printf("%-10s %-14s %9s %9s %8s\n", "text", "conversion", "MB/s", "Qt MB/s", "time/Qt");
    bool agree = true;
    for (const SampleKind kind : {SampleKind::ascii, SampleKind::european, SampleKind::cjk_emoji})
        agree = bench(kind) && agree;
    if (!agree)
        std::printf("results differ from Qt's\n");
    return agree ? 0 : 1;
}
