#include "sample_text.h"

#include <QString>
#include <QVector>

namespace {

// Words of 2 to 9 letters separated by spaces, now and then a line break.
template <class Letter> QVector<uint> words(std::mt19937& random, int count, Letter letter) {
    QVector<uint> text;
    for (int word = 0; word < count; ++word) {
        const int length = 2 + static_cast<int>(random() % 8);
        for (int i = 0; i < length; ++i)
            text.append(letter(random));
        text.append(random() % 12 == 0 ? '\n' : ' ');
    }
    return text;
}

uint ascii_letter(std::mt19937& random) {
    return 'a' + random() % 26;
}

// Mostly ASCII with accented Latin, Greek and Cyrillic letters of two bytes each.
uint european_letter(std::mt19937& random) {
    static const uint others[] = {0xE9,  0xE8,  0xFC,  0xF6,  0xE4, 0xDF, 0x142, 0x159,
                                  0x3B1, 0x3C9, 0x436, 0x44F, 0xF1, 0xE7, 0x151, 0x17E};
    if (random() % 5 != 0)
        return ascii_letter(random);
    return others[random() % 16];
}

// CJK ideographs of three bytes with one emoji of four bytes in twenty.
uint cjk_emoji_letter(std::mt19937& random) {
    if (random() % 20 == 0)
        return 0x1F600 + random() % 0x50;
    return 0x4E00 + random() % 0x5200;
}

QVector<uint> code_points(SampleKind kind, std::mt19937& random, int count) {
    switch (kind) {
    case SampleKind::ascii:
        return words(random, count, ascii_letter);
    case SampleKind::european:
        return words(random, count, european_letter);
    case SampleKind::cjk_emoji:
        return words(random, count, cjk_emoji_letter);
    }
    return {};
}

} // namespace

const char* sample_name(SampleKind kind) {
    switch (kind) {
    case SampleKind::ascii:
        return "ASCII";
    case SampleKind::european:
        return "European";
    case SampleKind::cjk_emoji:
        return "CJK/emoji";
    }
    return "";
}

QByteArray sample_text(SampleKind kind, int size) {
    std::mt19937 random(42);
    QByteArray text;
    while (text.size() < size) {
        const QVector<uint> chunk = code_points(kind, random, 4096);
        text += QString::fromUcs4(chunk.data(), chunk.size()).toUtf8();
    }
    int end = size;
    while ((static_cast<unsigned char>(text.constData()[end]) & 0xC0) == 0x80)
        --end;
    text.truncate(end);
    return text;
}
