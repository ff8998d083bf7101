@echo off
rem qvLookForX.bat - stand-in X-server probe: leaves its status words in batch.log.
rem %3 is the probe digit from bin\xwininfo.txt: 1 asks for the reminder to start the X server.
>>"%QV_TMP%\standin.log" echo qvLookForX.bat %*
if "%3"=="1" (echo HAVE>"%~2\batch.log") else (echo NONE>"%~2\batch.log")
