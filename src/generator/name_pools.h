#pragma once

#include <span>
#include <string_view>

// Word pools the generator draws from.
namespace reelkeep::pools {

std::span<const std::string_view> FirstNames();
std::span<const std::string_view> LastNames();
std::span<const std::string_view> TitleAdjectives();
std::span<const std::string_view> TitleNouns();
std::span<const std::string_view> MovieTypes();
std::span<const std::string_view> Studios();
std::span<const std::string_view> Conditions();
std::span<const std::string_view> SynopsisOpenings();
std::span<const std::string_view> SynopsisTurns();
std::span<const std::string_view> SynopsisEndings();

}  // namespace reelkeep::pools
