// The status reports of a service, as a state machine over its events.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "service/service_status.h"

namespace {

using Fields = std::array<std::uint32_t, 7>;

Fields FieldsOf(const ServiceStatus& s) {
  return {s.serviceType, s.currentState, s.controlsAccepted, s.win32ExitCode, s.serviceSpecificExitCode,
          s.checkPoint,  s.waitHint};
}

// Each event of a run and the fields reported after it: type, state, controls
// accepted, Win32 exit code, service-specific exit code, check point, wait hint.
struct Step {
  int control;      // a control code, or kRunEnded
  int result;       // the run stage's result, for kRunEnded
  bool stopWanted;  // whether a stop thread is to be started
  Fields reported;
};
constexpr int kRunEnded = -1;

void Play(const char* name, const std::vector<Step>& steps) {
  ServiceStatus status = RunningStatus();
  EXPECT_EQ(FieldsOf(status), (Fields{0x10, 4, 5, 0, 0, 0, 0})) << name;
  for (size_t k = 0; k < steps.size(); ++k) {
    const Step& step = steps[k];
    if (step.control == kRunEnded) {
      ApplyRunEnded(status, step.result);
    } else {
      EXPECT_EQ(ApplyControl(status, static_cast<std::uint32_t>(step.control)), step.stopWanted)
          << name << ", step " << k;
    }
    EXPECT_EQ(FieldsOf(status), step.reported) << name << ", step " << k;
  }
}

TEST(ServiceStatus, ReportsFollowTheTable) {
  Play("run ends by itself", {{kRunEnded, 0, false, {0x10, 1, 5, 0, 0, 0, 0}}});
  Play("stop, then the run ends",
       {{1, 0, true, {0x10, 3, 5, 0, 0, 0, 3000}}, {kRunEnded, 0, false, {0x10, 1, 5, 0, 0, 0, 3000}}});
  Play("shutdown", {{5, 0, true, {0x10, 3, 5, 0, 0, 0, 3000}}});
  Play("interrogate, pause and continue change nothing", {{4, 0, false, {0x10, 4, 5, 0, 0, 0, 0}},
                                                          {2, 0, false, {0x10, 4, 5, 0, 0, 0, 0}},
                                                          {3, 0, false, {0x10, 4, 5, 0, 0, 0, 0}}});
  Play("a second stop asks again",
       {{1, 0, true, {0x10, 3, 5, 0, 0, 0, 3000}}, {1, 0, true, {0x10, 3, 5, 0, 0, 0, 3000}}});
}

TEST(ServiceStatus, FailedRunStageIsAServiceSpecificError) {
  Play("failed run", {{kRunEnded, -1, false, {0x10, 1, 5, 1066, 0xFFFFFFFF, 0, 0}}});
  Play("paired launcher's code",
       {{1, 0, true, {0x10, 3, 5, 0, 0, 0, 3000}}, {kRunEnded, 3, false, {0x10, 1, 5, 1066, 3, 0, 3000}}});
}

TEST(ServiceStatus, StoppedServiceIgnoresLateControls) {
  Play("stop after stopped", {{kRunEnded, 0, false, {0x10, 1, 5, 0, 0, 0, 0}},
                              {1, 0, false, {0x10, 1, 5, 0, 0, 0, 0}},
                              {5, 0, false, {0x10, 1, 5, 0, 0, 0, 0}}});
}

}  // namespace
