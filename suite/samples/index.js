// Replaced by the build when the shared sample logbooks are copied beside the suite.
sharedSamples = false;
