#include "conversation/emoticon_pictures.h"

#include <QStringList>
#include <algorithm>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace {

const QString kSmileyPrefix = QStringLiteral("smiley:");
const QString kSpecialPrefix = QStringLiteral("special:");

bool IsDigitValue(int digit) {
    return digit >= 0 && digit <= 9;
}

QString HexCode(char c) {
    return QStringLiteral("%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0'));
}

std::optional<char> CharOfHex(const QString& text) {
    bool ok = false;
    const unsigned value = text.toUInt(&ok, 16);
    if (!ok || text.size() != 2 || value > 0xFF) return std::nullopt;
    return static_cast<char>(value);
}

// "smiley:3a-2d-29" or "smiley:3a-2d-29-3" back to its drawing; a null image for anything else.
QImage DrawSmileyOfKey(const QString& codes) {
    const QStringList parts = codes.split(QLatin1Char('-'));
    if (parts.size() != 3 && parts.size() != 4) return {};
    const auto eyes = CharOfHex(parts[0]);
    const auto nose = CharOfHex(parts[1]);
    const auto mouth = CharOfHex(parts[2]);
    if (!eyes || !nose || !mouth) return {};
    int digit = kNoDigit;
    if (parts.size() == 4) {
        bool ok = false;
        digit = parts[3].toInt(&ok);
        if (!ok || parts[3].size() != 1 || !IsDigitValue(digit)) return {};
    }
    return TrimPicture(DrawSmiley(*eyes, *nose, *mouth, digit));
}

QImage DrawSpecialOfKey(const QString& number) {
    bool ok = false;
    const int index = number.toInt(&ok);
    if (!ok || index < 0 || index >= kSpecialPictureCount || number != QString::number(index)) {
        return {};
    }
    return TrimPicture(SpecialPicture(index));
}

QImage DrawPictureOfKey(const QString& key) {
    if (key.startsWith(kSmileyPrefix)) return DrawSmileyOfKey(key.mid(kSmileyPrefix.size()));
    if (key.startsWith(kSpecialPrefix)) return DrawSpecialOfKey(key.mid(kSpecialPrefix.size()));
    return {};
}

}  // namespace

QImage TrimPicture(const QImage& picture) {
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    int left = pixels.width(), right = -1, top = pixels.height(), bottom = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) {
        QImage white(1, 1, QImage::Format_RGB32);
        white.fill(Qt::white);
        return white;
    }
    return picture.copy(left, top, right - left + 1, bottom - top + 1);
}

QString SmileyKey(char eyes, char nose, char mouth, int digit) {
    QString key = kSmileyPrefix + HexCode(eyes) + QLatin1Char('-') + HexCode(nose) +
                  QLatin1Char('-') + HexCode(mouth);
    if (IsDigitValue(digit)) key += QLatin1Char('-') + QString::number(digit);
    return key;
}

QString SpecialKey(int index) {
    return kSpecialPrefix + QString::number(index);
}

const QImage& CachedPicture(const QString& key) {
    // Map nodes never move, so a returned reference stays valid while others are added.
    static std::unordered_map<QString, QImage> pictures;
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    auto found = pictures.find(key);
    if (found == pictures.end()) found = pictures.emplace(key, DrawPictureOfKey(key)).first;
    return found->second;
}
