#pragma once

#include "catalogue/Definitions.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

// The catalogue and the sensor table as one model at one firmware has them: which parameters it
// has, the choices it offers and the sensors' limits. Read-only once made.
struct ModelCatalogue {
    TParameterTable parameters;
    TSensorTable sensors;
};

// The catalogue of `model` at `firmware`; the plain catalogue for no model.
std::shared_ptr<const ModelCatalogue> CatalogueFor(const QString& model, int firmware);

// The range, decimals and unit a number parameter takes: the catalogue's, or the chosen
// sensor's where the parameter follows the sensor.
struct ParameterLimits {
    int minimum = 0;  // in shown units, before decimals
    int maximum = 0;
    int decimals = 0;
    QString unit;

    friend bool operator==(const ParameterLimits&, const ParameterLimits&) = default;
};

ParameterLimits CatalogueLimits(const TTableEntry& entry);

// One configuration of a module: what a read or a load made of it and what the user's edits
// changed. Values are in register units by catalogue index (1..70): a number scaled by its
// decimals, a choice by its index. A parameter the configuration holds no value for has none.
class ModuleConfiguration {
  public:
    QString model;  // 6-character code, "" when none
    int firmware = 0;
    QString date;    // short date format, as files and the report give it
    QString doneBy;  // the additional information a loaded file brought
    QString doneFor;
    // The channels' tags, for tag fields in use.
    std::array<std::optional<QString>, 2> tags;

    bool holds(int index) const { return values_.at(slot(index)).has_value(); }
    // The value held, 0 when none.
    int value(int index) const { return values_.at(slot(index)).value_or(0); }
    std::optional<int> held(int index) const { return values_.at(slot(index)); }
    void set(int index, int value) { values_.at(slot(index)) = value; }
    void forget(int index) { values_.at(slot(index)).reset(); }

    // The limits in force: the catalogue's until a sensor's replace them.
    const ParameterLimits& limits(int index) const { return limits_.at(slot(index)); }
    void setLimits(int index, const ParameterLimits& limits) { limits_.at(slot(index)) = limits; }

    std::optional<QString>& tag(int channel) { return tags.at(std::size_t(channel - 1)); }
    const std::optional<QString>& tag(int channel) const {
        return tags.at(std::size_t(channel - 1));
    }

    // The same configuration for a module: model, firmware, tags and values. The date, the
    // additional information and the limits describe it without being part of it.
    bool sameSettings(const ModuleConfiguration& other) const {
        return model == other.model && firmware == other.firmware && tags == other.tags &&
               values_ == other.values_;
    }

  private:
    static std::size_t slot(int index) { return static_cast<std::size_t>(index - 1); }

    std::array<std::optional<int>, TParameterTable::Count> values_{};
    std::array<ParameterLimits, TParameterTable::Count> limits_{};
};

// An empty configuration of `model` at `firmware`: no values, the catalogue's limits.
ModuleConfiguration EmptyConfiguration(const QString& model, int firmware,
                                       const TParameterTable& catalogue);

// The text of a value as files, the report and the fields show it: a number with its decimals,
// a choice's item ("" outside the items). "" for a value not held.
QString ValueText(const ModuleConfiguration& configuration, const TTableEntry& entry, int index);

// The item a choice value names, "" outside the items or on an unused slot.
QString ItemText(const TTableEntry& entry, int value);
