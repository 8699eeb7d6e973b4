/* A tiny module for the module tests of the hosted machine. Two builds of it
   report different tags, so a test can tell which copy LoadLibraryW found. */
__attribute__((visibility("default"))) int ModuleTag(void) { return NW_MODULE_TAG; }
