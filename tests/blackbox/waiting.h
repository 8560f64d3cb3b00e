// Waiting in tests for something another process does.
#pragma once

#include <functional>
#include <string>

// Polls until the condition holds (true), or fails the test after 30 seconds
// (false); what names the awaited thing in the failure.
bool AwaitCondition(const std::function<bool()>& condition, const std::string& what);
