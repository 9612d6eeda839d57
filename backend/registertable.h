#ifndef BACKEND_REGISTERTABLE_H
#define BACKEND_REGISTERTABLE_H

#include "backend/registers.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// The blocks the tool reads and writes, in one place: where each starts, its
// register type and its size, a name an operator can read, and what its words
// mean. The command sequences, the decoding, the firmware update and anything
// that names a block take them from here.
class RegisterTable
{
public:
    enum class Access { Read, Write };

    // How a field's words make its value, where they are more than one number.
    enum class Packing {
        None,
        ModuleTime,       // the module time's words 1 to 3: hour and minute, month and day, year
        LastBoot,         // minute, hour, day, month, year
        InstallationDate, // year, month, day
        FsdId,            // five characters, two to a word
        SerialNumber,     // five words read as one number
        CtRatio           // a ratio's code
    };

    // A value inside a block: its words, unit and scale (register value = value × scale).
    // Block and field names are marked for the catalogue in the context "RegisterTable".
    struct Field {
        QString name;
        int offset;
        int words;
        QString unit;
        int scale;
        bool isFloat = false; // two words holding a float; otherwise whole numbers
        Packing packing = Packing::None;
    };

    struct Block {
        QString key;  // short name, stable for files and logs
        QString name; // what an operator reads
        int address;
        int type; // Registers::RegisterType
        int count;
        Access access;
        QVector<Field> fields;
    };

    // Every block, in register order.
    static const QVector<Block> &blocks();
    // The block read from `address`, or nullptr.
    static const Block *read(int address);
    // The block written at `address`, or nullptr.
    static const Block *write(int address);
    // The block named `key`, or nullptr.
    static const Block *byKey(const QString &key);
    // Words a read of the block at `address` brings; 0 for none.
    static int readCount(int address);
    // A block's or field's name in the language of the catalogue installed.
    static QString translated(const QString &name);
};

// The words of a block as read, taken field by field at the positions the
// table gives: the one decoder of every block read, for the pages' values
// (Backend) and for the settings file (ModuleSettings) alike.
class BlockWords
{
public:
    // `words` must hold the block's count.
    BlockWords(const RegisterTable::Block &block, const QVector<quint16> &words);
    // The read block `key`.
    BlockWords(const QString &key, const QVector<quint16> &words);

    // The field named `name`; every name asked for is one of the block's.
    const RegisterTable::Field &field(const QString &name) const;
    QVector<quint16> words(const QString &name) const;
    // A whole number: one word, or two as an unsigned 32-bit number, divided by the field's scale.
    int number(const QString &name) const;
    bool flag(const QString &name) const { return number(name) == 1; }
    // The text the pages show: by the field's packing, otherwise the number in decimal.
    QString text(const QString &name) const;
    // An installation date's words as a date (invalid when they name none).
    QDate date(const QString &name) const;
    // `count` floats from the field `first` on, in fixed-point text with `decimals` digits.
    QStringList floatTexts(const QString &first, int count, int decimals) const;

private:
    const RegisterTable::Block *block;
    QVector<quint16> values;
};

#endif
