// processtimes.hpp - one sample of the process's processor times, for the start-up's timing.
#pragma once

// Processor seconds used by this process so far: total (user plus kernel), user and kernel.
void processtimes(double& total, double& user, double& kernel);
