#pragma once

#include <QRegularExpression>
#include <QString>

// The texts a writer process stores in a burst: long enough to span several
// database pages, different for every round and value, and recognisable as
// whole, so a torn value cannot pass for a stored one.
inline QString burstText(int round, int index)
{
    QString text = QStringLiteral("round %1 value %2|").arg(round).arg(index);
    const QString chunk = QStringLiteral("Préstamo %1 ñandú €\n").arg(round * 1000 + index);
    while (text.size() < 2500)
        text += chunk;
    return text;
}

// The round a stored text was written in, or -1 when it is no burst text.
inline int burstRound(const QString& text)
{
    static const QRegularExpression prefix(QStringLiteral("^round (\\d+) value (\\d+)\\|"));
    const QRegularExpressionMatch match = prefix.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}
