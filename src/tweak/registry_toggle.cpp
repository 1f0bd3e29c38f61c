#include "tweak/registry_toggle.h"

#include <utility>

namespace zw {

const char* toggleStateName(ToggleState state)
{
    return state == ToggleState::Applied ? "Applied" : "Default";
}

namespace {
RegistryWrite makeWrite(HiveCode hive, std::string key, std::string value, RegistryWrite::Operation op)
{
    RegistryWrite w;
    w.hive = hive;
    w.key = std::move(key);
    w.value = std::move(value);
    w.operation = op;
    return w;
}
}  // namespace

RegistryWrite setString(HiveCode hive, std::string key, std::string value, std::string text)
{
    auto w = makeWrite(hive, std::move(key), std::move(value), RegistryWrite::Operation::SetString);
    w.text = std::move(text);
    return w;
}

RegistryWrite setDword(HiveCode hive, std::string key, std::string value, std::int32_t number)
{
    auto w = makeWrite(hive, std::move(key), std::move(value), RegistryWrite::Operation::SetDword);
    w.number = number;
    return w;
}

RegistryWrite setBinary(HiveCode hive, std::string key, std::string value, std::string bytes)
{
    auto w = makeWrite(hive, std::move(key), std::move(value), RegistryWrite::Operation::SetBinary);
    w.text = std::move(bytes);
    return w;
}

RegistryWrite deleteValue(HiveCode hive, std::string key, std::string value)
{
    return makeWrite(hive, std::move(key), std::move(value), RegistryWrite::Operation::DeleteValue);
}

RegistryWrite deleteKey(HiveCode hive, std::string key)
{
    return makeWrite(hive, std::move(key), {}, RegistryWrite::Operation::DeleteKey);
}

RegistryWrite setString(const Probe& at, std::string text)
{
    return setString(at.hive, at.key, at.value, std::move(text));
}

RegistryWrite setDword(const Probe& at, std::int32_t number)
{
    return setDword(at.hive, at.key, at.value, number);
}

RegistryWrite deleteValue(const Probe& at)
{
    return deleteValue(at.hive, at.key, at.value);
}

RegistryWrite deleteKey(const Probe& at)
{
    return deleteKey(at.hive, at.key);
}

StateMatch numberIs(double number, ToggleState state)
{
    StateMatch m;
    m.kind = StateMatch::Kind::Number;
    m.number = number;
    m.state = state;
    return m;
}

StateMatch textIs(std::string text, ToggleState state)
{
    StateMatch m;
    m.kind = StateMatch::Kind::Text;
    m.text = std::move(text);
    m.state = state;
    return m;
}

RegistryToggle makeToggle(ToggleWindowTexts texts, std::optional<Probe> probe, std::vector<RegistryWrite> applyWrites,
                          std::vector<RegistryWrite> restoreWrites, std::vector<StateMatch> rule,
                          std::optional<ToggleState> otherwise, std::vector<std::string> labels)
{
    RegistryToggle t;
    t.name = std::move(texts.name);
    t.opener = std::move(texts.opener);
    t.caption = std::move(texts.caption);
    t.title = std::move(texts.title);
    t.applyCaption = std::move(texts.applyCaption);
    t.widthTwips = texts.widthTwips;
    t.heightTwips = texts.heightTwips;
    t.labels = std::move(labels);
    t.probe = std::move(probe);
    t.applyWrites = std::move(applyWrites);
    t.restoreWrites = std::move(restoreWrites);
    t.rule = std::move(rule);
    t.otherwise = otherwise;
    return t;
}

const RegistryToggle* findToggle(const std::vector<RegistryToggle>& records, std::string_view name)
{
    for (const RegistryToggle& t : records)
        if (t.name == name)
            return &t;
    return nullptr;
}

}  // namespace zw
