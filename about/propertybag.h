// Stored layouts: the named property values a window keeps for its controls, and their text form.
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QVariant>

namespace tessel {

// The named values of one control, in the order written. Names match without regard to letter
// case. Values are QString, bool, qint64 (plain numbers), quint32 (colours), double or QFont.
class PropertyBag
{
public:
    struct Entry
    {
        QString name;
        QVariant value;
    };

    // The stored value, or the default when the name is not present.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) const;

    // Stores the value unless it equals the default (a font is an object and never does);
    // a value already stored under the name is replaced in its place.
    void WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {});

    bool contains(const QString& name) const { return indexOf(name) >= 0; }
    const QList<Entry>& entries() const { return m_entries; }
    bool operator==(const PropertyBag& other) const;

private:
    qsizetype indexOf(const QString& name) const;

    QList<Entry> m_entries;
};

// Typed reads of a stored value; a value of another kind raises TypeMismatch, a number that
// does not fit raises Overflow.
QString storedString(const QVariant& value);
bool storedBool(const QVariant& value);
quint32 storedColor(const QVariant& value);
QFont storedFont(const QVariant& value);

// The stored layout of a window: one bag per control, by control name (any letter case).
class StoredLayout
{
public:
    struct Control
    {
        QString name;
        PropertyBag properties;
    };

    const PropertyBag* find(const QString& controlName) const;
    PropertyBag& add(const QString& controlName);
    const QList<Control>& controls() const { return m_controls; }

private:
    QList<Control> m_controls;
};

// The text form, one block per control:
//
//     Begin VelkorEtiketi
//        caption = "https://velkor.example"
//        forecolor = &H00FF0000&
//        BeginProperty font
//           name = "MS Sans Serif"
//           size = 8.25
//        EndProperty
//     End
//
// Strings are quoted with \" \\ \n \r \t \uXXXX escapes; &H...& is a colour; True/False or a
// number is a Boolean. Lines starting with # are comments. A malformed line raises
// TypeMismatch naming the line.
StoredLayout parseStoredLayout(const QString& text);
QString storedLayoutText(const StoredLayout& layout);

// Reads a layout held in the program's resources (":/tessel/layouts/<name>.layout"), with the
// build's addresses filled into its strings; a missing layout raises FileNotFound.
StoredLayout loadStoredLayout(const QString& name);

} // namespace tessel
