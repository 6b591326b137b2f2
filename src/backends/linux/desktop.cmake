# Sources of the Linux desktop integration, added to tandrel_linux.
target_sources(tandrel_linux PRIVATE
)
