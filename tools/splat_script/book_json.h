#pragma once
// The season book as JSON, for `dump book`.

#include <nlohmann/json.hpp>

#include "core/book_records.h"

namespace splat::script {

nlohmann::ordered_json bookToJson(const BookPages& book);

}  // namespace splat::script
