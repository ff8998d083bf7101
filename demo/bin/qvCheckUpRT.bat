@echo off
rem qvCheckUpRT.bat - stand-in: would compare the real-time data file with the server's.
rem Leaves the status words of the scenario named in the scratch folder's standin-update.txt in
rem checkupRT.log, and the server's real-time file name in RG_VeduClim_Real_Time.txt.
>>"%QV_TMP%\standin.log" echo qvCheckUpRT.bat %*
"%~1\bin\qvupdate.exe" checkuprt %1 %2
