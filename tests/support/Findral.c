/* Stand-in for the outside search library. Each build exports a different set of entries,
   each answering a number that tells which one was called. */

int FindralVersion(void) { return 0; }

#if defined(FINDRAL_PROC20)
int SearchProc20(void* request, void* result) {
  (void)request;
  (void)result;
  return 20;
}
#endif

#if defined(FINDRAL_PROC20) || defined(FINDRAL_PROC2)
int SearchProc2(void* request, void* result) {
  (void)request;
  (void)result;
  return 2;
}
#endif

#if defined(FINDRAL_PROC20) || defined(FINDRAL_PROC2) || defined(FINDRAL_PROC)
int SearchProc(void* request, void* result) {
  (void)request;
  (void)result;
  return 1;
}
#endif
