#pragma once

#include <QString>
#include <QStringList>

class Db;

// How an account code is cut into levels: one digit for levels 1 and 2, two for levels 3
// and 4, and what CantDigCuenta leaves for level 5. Every check of an account code's shape
// goes through here, so the chart, the lookups and the parameters agree on it.
class AccountCodeStructure
{
public:
    static constexpr int LevelCount = 5;
    // Width of CUENTACONTABLE.Codigo; bounds level 5 when CantDigCuenta sets no limit.
    static constexpr int MaxCodeLength = 12;

    // What is wrong with a segment typed for a new account, in the order it is checked.
    enum class SegmentError { None, Empty, NotNumeric, TooShort, TooLong };

    // `accountDigits` is PARAMETRO.CantDigCuenta; 0 (or less) leaves level 5 unlimited.
    explicit AccountCodeStructure(int accountDigits = 0);
    // Reads CantDigCuenta.
    static AccountCodeStructure load(Db &db);

    int accountDigits() const { return m_digits; }

    // Fewest and most characters the segment of `level` (1-5) takes; 0 for other levels.
    // Level 5 may allow fewer than its minimum, and then no level-5 account can be made.
    int minSegmentLength(int level) const;
    int maxSegmentLength(int level) const;
    // Characters of a code of `level` up to the end of its fixed segments: 1, 2, 4, 6 for
    // levels 1-4; the longest code for level 5.
    int codeLength(int level) const;

    // Level of a code judged by its shape alone; 0 when it has none (letters, a length that
    // no level gives, a level-5 segment out of bounds).
    int levelOf(const QString &code) const;
    bool isValidCode(const QString &code) const { return levelOf(code) != 0; }
    // The code of the ancestor at `level` (the first 1, 2, 4 or 6 characters); the code
    // itself when it is not deeper than that.
    QString ancestor(const QString &code, int level) const;

    // The code cut into the segments of its levels, level 1 first (at most five).
    QStringList segments(const QString &code) const;

    // Checks the segment typed for a new account of `level`, after trimming.
    SegmentError checkSegment(int level, const QString &segment) const;
    // The message the chart shows for a segment error at `level`; empty for None.
    static QString message(SegmentError error, int level);

private:
    int m_digits = 0;
};
