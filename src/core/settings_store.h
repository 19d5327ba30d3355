#pragma once
// The settings seam: one key of one section at a time.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace splat {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> read(std::string_view section, std::string_view key) const = 0;
    // Returns false when the value could not be stored.
    virtual bool write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// Keeps the settings for the run only.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::string> read(std::string_view section, std::string_view key) const override {
        auto it = values_.find(std::string(section) + '\n' + std::string(key));
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    bool write(std::string_view section, std::string_view key, std::string_view value) override {
        values_[std::string(section) + '\n' + std::string(key)] = std::string(value);
        return true;
    }

private:
    std::map<std::string, std::string> values_;
};

}  // namespace splat
