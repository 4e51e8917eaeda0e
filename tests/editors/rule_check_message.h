#pragma once
// The message of a rule check's result, empty when the check passed.

#include "editors/dali_knx/rule_table_file.h"

#include <optional>

inline QString Message_Of(const std::optional<TRuleCheckError>& error) { return error ? error->Message : QString(); }
