@echo off
rem qvGetUp.bat - stand-in: would download the monthly update program for month %3 (mmyyyy).
rem Leaves the status words of the scenario named in the scratch folder's standin-update.txt in getup.log.
>>"%QV_TMP%\standin.log" echo qvGetUp.bat %*
"%~1\bin\qvupdate.exe" getup %1 %2 %3
