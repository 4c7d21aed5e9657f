#pragma once

#include <array>

namespace orvane {

// The access flags both editors offer, in the order of their drop-down lists.
inline constexpr std::array<const char *, 24> AccessFlagNames = {
    "ADMIN_ALL",     "ADMIN_IMMUNITY", "ADMIN_RESERVATION", "ADMIN_KICK",    "ADMIN_BAN",
    "ADMIN_SLAY",    "ADMIN_MAP",      "ADMIN_CVAR",        "ADMIN_CFG",     "ADMIN_CHAT",
    "ADMIN_VOTE",    "ADMIN_PASSWORD", "ADMIN_RCON",        "ADMIN_LEVEL_A", "ADMIN_LEVEL_B",
    "ADMIN_LEVEL_C", "ADMIN_LEVEL_D",  "ADMIN_LEVEL_E",     "ADMIN_LEVEL_F", "ADMIN_LEVEL_G",
    "ADMIN_LEVEL_H", "ADMIN_MENU",     "ADMIN_ADMIN",       "ADMIN_USER",
};

}  // namespace orvane
