#pragma once

#include <optional>

// The device models by the code the client keeps in DeviceState and stores as
// Type/type in config.ini; the numbers are fixed. Header only, so the settings can
// check a stored code without the link. Any thread.
enum class DeviceModel {
    Model0808 = 0,
    Model0809 = 1,
    Model0409S = 2, // the multiview model
    Model0808S = 3,
    Model0809M = 4,
};

namespace DeviceModels {

// What a code that names no model reads as.
constexpr DeviceModel Fallback = DeviceModel::Model0809;

constexpr int code(DeviceModel model)
{
    return static_cast<int>(model);
}

// The model a code names; none for a code off the wire or from a file that names none.
constexpr std::optional<DeviceModel> fromCode(int code)
{
    if (code < DeviceModels::code(DeviceModel::Model0808) ||
        code > DeviceModels::code(DeviceModel::Model0809M))
        return std::nullopt;
    return static_cast<DeviceModel>(code);
}

// Whether a code names that model.
constexpr bool is(int code, DeviceModel model)
{
    return fromCode(code) == model;
}

constexpr DeviceModel fromCodeOr(int code, DeviceModel fallback = Fallback)
{
    return fromCode(code).value_or(fallback);
}

constexpr bool hasEightOutputs(DeviceModel model)
{
    return model == DeviceModel::Model0808 || model == DeviceModel::Model0808S;
}

constexpr int outputCount(DeviceModel model)
{
    return hasEightOutputs(model) ? 8 : 9;
}

} // namespace DeviceModels
