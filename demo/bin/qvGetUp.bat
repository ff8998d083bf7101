@echo off
rem qvGetUp.bat - stand-in: would download the monthly update program for month %3 (mmyyyy).
rem Leaves its status words in getup.log; a file standin-getup.log in the scratch folder replaces them.
>>"%QV_TMP%\standin.log" echo qvGetUp.bat %*
if exist "%~2\standin-getup.log" (copy /y "%~2\standin-getup.log" "%~2\getup.log" >nul) else (
  echo FOUN>"%~2\getup.log"
  echo GOTU>>"%~2\getup.log"
  echo DONE>>"%~2\getup.log"
)
