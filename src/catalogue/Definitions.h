#pragma once

// The parameter catalogue and the sensor table: the types, and the tables as the program starts.
// A model at a firmware offers other choices and sensor limits (CatalogueFor); the values of a
// configuration live in ModuleConfiguration, never here.

#include <QString>

#include <array>

// How the user sets a parameter: picking one of its `Items`, or typing a number.
enum class FieldKind : char {
    Choice = 'C',  // a drop-down list "C" + key; its value is the chosen item's index
    Number = 'T',  // an edit "T" + key; its value is scaled by 10^`Decimal`
};

// "C" or "T", as the catalogue and its printed reference write the kind.
QString FieldKindText(FieldKind kind);

// One configurable parameter.
struct TTableEntry {
    static constexpr int ItemCount = 30;

    QString Field;  // the key that names the parameter's controls
    FieldKind FieldType = FieldKind::Number;
    QString Name;          // label used in messages, logs, files and the report
    QString ReadCommand;   // two hex digits
    QString WriteCommand;  // two hex digits, the read code plus one
    bool Changes = false;  // limits follow the chosen sensor instead of the fixed ones below
    int MinValue = 0;      // in shown units, before decimals
    int MaxValue = 0;
    int Decimal = 0;
    QString Dimension;
    QString ValidFor;  // 6-character model codes run together; "" means no model
    std::array<QString, ItemCount> Items;  // used slots from index 0, the rest ""
};

// The 70 parameters, numbered 1 to 70 as every pass over them counts.
class TParameterTable {
  public:
    static constexpr int Count = 70;

    // 1-based: index 1 is the first parameter.
    TTableEntry& operator[](int index) { return entries_.at(index - 1); }
    const TTableEntry& operator[](int index) const { return entries_.at(index - 1); }

    auto begin() { return entries_.begin(); }
    auto end() { return entries_.end(); }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }

  private:
    std::array<TTableEntry, Count> entries_;
};

// The limits of one sensor-dependent parameter for one sensor.
struct TSensorFieldEntry {
    QString Name;  // a catalogue key
    int Min = 0;   // in shown units
    int Max = 0;
    QString Dim;
    int Dec = 0;

    friend bool operator==(const TSensorFieldEntry&, const TSensorFieldEntry&) = default;
};

// One input sensor with the limits of its 28 sensor-dependent parameters.
class TSensorEntry {
  public:
    static constexpr int FieldCount = 28;

    QString Name;  // the sensor's choice text in the input lists

    // 1-based: field 1 is Upscale1, field 28 LimitVHighHigh1.
    TSensorFieldEntry& Field(int f) { return fields_.at(f - 1); }
    const TSensorFieldEntry& Field(int f) const { return fields_.at(f - 1); }

  private:
    std::array<TSensorFieldEntry, FieldCount> fields_;
};

// The 36 sensors, numbered 1 to 36.
class TSensorTable {
  public:
    static constexpr int Count = 36;

    // 1-based: index 1 is the first sensor.
    TSensorEntry& operator[](int index) { return sensors_.at(index - 1); }
    const TSensorEntry& operator[](int index) const { return sensors_.at(index - 1); }

    auto begin() { return sensors_.begin(); }
    auto end() { return sensors_.end(); }
    auto begin() const { return sensors_.begin(); }
    auto end() const { return sensors_.end(); }

  private:
    std::array<TSensorEntry, Count> sensors_;
};

// The catalogue and the sensor table as the program starts, before any module is seen.
TParameterTable InitialParameterTable();
TSensorTable InitialSensorTable();
