#pragma once

#include <QByteArray>
#include <QString>

// What is wrong with a written network document, or an empty string when it is valid JSON that
// holds exactly the keys a writer produces: {"net": [port...]}, a direct port with "name" and
// "type" only, any other port also with integral "master_id", "retries", "delay" and "tcus", and
// devices with a distinct "submaster_id" in 1..255 and optional "retries" and "delay" of 0 or more.
QString documentShapeFault(const QByteArray& text);
