#pragma once

#include <QByteArray>

#include <random>

// Deterministic UTF-8 text of kinds that stress different sequence lengths.
enum class SampleKind { ascii, european, cjk_emoji };

const char* sample_name(SampleKind kind);
// About size bytes of text, cut at a code point boundary; the same for every run.
QByteArray sample_text(SampleKind kind, int size);
