@echo off
rem qvRunUp.bat - stand-in: would run the monthly update program (%3 %4 is the update name).
rem Leaves the status words of the scenario named in the scratch folder's standin-update.txt in runup.log.
>>"%QV_TMP%\standin.log" echo qvRunUp.bat %*
"%~1\bin\qvupdate.exe" runup %1 %2 %3 %4
