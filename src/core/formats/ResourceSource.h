#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace orbisk {

/// Where the program's numbered resources come from: skin pictures, question
/// pages, the configuration, the question bank tables and the results templates.
class ResourceSource {
public:
    virtual ~ResourceSource() = default;

    /// The bytes of resource @p id, or empty when there is no such resource.
    /// The view stays valid as long as the source lives.
    virtual std::optional<std::string_view> Find(int id) const = 0;
};

/// Resources held in a map; for tools and tests.
class MapResourceSource final : public ResourceSource {
public:
    void Set(int id, std::string bytes) { m_resources[id] = std::move(bytes); }
    void Remove(int id) { m_resources.erase(id); }
    const std::map<int, std::string>& All() const { return m_resources; }

    std::optional<std::string_view> Find(int id) const override {
        const auto it = m_resources.find(id);
        if (it == m_resources.end()) {
            return std::nullopt;
        }
        return std::string_view(it->second);
    }

private:
    std::map<int, std::string> m_resources;
};

} // namespace orbisk
