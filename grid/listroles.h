#pragma once

#include <Qt>

// The item-data roles of the port list and the routing grids; drags and menus read
// them from items they did not make.
namespace ListRoles {

// The port number of a list item or a grid cell.
constexpr int Port = Qt::UserRole;
// A list item's port name.
constexpr int Name = Qt::UserRole + 1;
// A grid cell's routed source.
constexpr int Source = Qt::UserRole + 1;
// A list item's kind: InputKind for video inputs, anything else audio.
constexpr int Kind = Qt::UserRole + 2;
// A list item for a page other than the current one.
constexpr int OffPage = Qt::UserRole + 3;

constexpr int InputKind = 1;

} // namespace ListRoles
