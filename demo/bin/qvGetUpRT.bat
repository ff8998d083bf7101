@echo off
rem qvGetUpRT.bat - stand-in: would fetch the real-time data file %3.
rem Leaves the status words of the scenario named in the scratch folder's standin-update.txt in getupRT.log.
>>"%QV_TMP%\standin.log" echo qvGetUpRT.bat %*
"%~1\bin\qvupdate.exe" getuprt %1 %2 %3
