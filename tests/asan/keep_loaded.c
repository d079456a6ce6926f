// Preloaded into the sanitizer runs: libraries stay loaded to the end, so that the leak
// report can name the library (a plugin, a driver) whose code made an allocation.
int dlclose(void* handle)
{
    (void)handle;
    return 0;
}
