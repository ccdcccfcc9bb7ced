#pragma once
// Splitting of request addresses and the allow-list of the portal's domains.
#include "platform/HttpClient.h"

#include <array>
#include <string>
#include <string_view>

// Splits what follows the scheme: host part up to the first "/" (at most 259
// characters), the object part after it (at most 511, query included); a ":" in
// the host part is followed by a decimal port, kept to 16 bits (80 by default).
platform::HttpTarget SplitAddress(std::string_view afterScheme);

// True when the host is one of the domains or a sub-domain of one ("a.b.x.com"
// for "x.com"), without regard to case.
bool HostPassesAllowList(std::string_view host, const std::array<std::string, 3>& domains);

// The allow-list test of a download address: the host it names after its first
// seven characters (the scheme a download skips) must pass.
bool PassesAllowList(std::string_view address, const std::array<std::string, 3>& domains);
