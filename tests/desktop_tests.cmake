# Tests of the Linux desktop integration.
