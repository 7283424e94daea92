#pragma once
// The XML data-packet form of the program's table files (".cds"): field
// definitions, stored index definitions and rows of text values. Reading
// checks the whole packet before anything is handed out; writing produces a
// file that reading accepts again unchanged.
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class QIODevice;

namespace kolvar {

enum class FieldType {
    String,  // "string" with WIDTH: the most characters a value holds
    Integer, // "i4": a 32-bit whole number
    Float,   // "r8": a double, written with "."
    Boolean, // "boolean": "TRUE" or "FALSE"
    Memo,    // "bin.hex" with SUBTYPE="Text": free text, line breaks allowed
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::String;
    int size = 0; // String only; 0 = no limit

    bool operator==(const FieldDef&) const = default;
};

struct IndexDef {
    QString name;
    QString fields; // ";"-separated field names

    bool operator==(const IndexDef&) const = default;
};

struct DataPacket {
    QList<FieldDef> fields;
    QList<IndexDef> indexDefs;
    bool hasIndexDefs = false; // the packet carried an INDEXDEFS element
    QList<QPair<QString, QString>> params; // PARAMS attributes, kept for the round trip
    // One text per field in field order; an empty text is a null field.
    // Values are in the normal form of normalizeFieldValue.
    std::vector<QStringList> rows;
};

enum class PacketError { None, Binary, Damaged };

// Reads bytes as a data packet. On failure out is left untouched and detail
// says in German what is wrong (for Damaged, with the line).
PacketError readDataPacket(const QByteArray& bytes, DataPacket& out, QString* detail = nullptr);

// Writes packet as UTF-8 XML. False when the device failed.
bool writeDataPacket(const DataPacket& packet, QIODevice& device);
QByteArray writeDataPacket(const DataPacket& packet);

// Checks text against the field's type and brings it into the form the
// table keeps: whole numbers without sign "+" or leading zeros, floats in
// the shortest "."-form that reads back as the same double ("1.50" and
// "1,5" both become "1.5"), booleans "TRUE"/"FALSE", texts unchanged. Blank
// numbers become null (empty). False (with a German reason) for text the
// field cannot hold: not a number, too long for the width, or characters
// that an XML file cannot carry.
bool normalizeFieldValue(const FieldDef& field, const QString& text, QString& out,
                         QString* reason = nullptr);

// Field names become XML attribute names: a letter or "_" first, then
// letters, digits, "_", "-" or ".".
bool isValidFieldName(const QString& name);

// The program's case rule: only the letters A to Z fold to a to z.
QString foldAz(QStringView text);
int compareAz(QStringView a, QStringView b);

// Number reading shared by the table: "." or "," as the decimal separator,
// surrounding blanks allowed.
bool parseNumber(QStringView text, double& value);
bool parseWhole(QStringView text, int& value);

QString fieldTypeName(FieldType type);

} // namespace kolvar
